# The .deb installed into a scratch root: each file where a Debian game keeps it, and the installed game
# started by an ordinary user from its read-only folder: the log in the user's state folder, the config
# from the user's own folder or else the one shipped, O quits. A prefix install the user can write to
# keeps out of its folders too. quizd's service commands serve the installed sample bank.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

work="$GAME_DIR/work"
root="$work/root"
mkdir -p "$work/pkg" "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
# The game runs as nobody, who must reach the scratch folders and the X server.
chmod 755 "$GAME_DIR" "$work"
cp "$XAUTHORITY" "$work/xauth" && chmod 644 "$work/xauth"

(cd "$SATLINK_BUILD_DIR" && cpack -G DEB -B "$work/pkg") >"$work/cpack.log" 2>&1 ||
  fail "cpack: $(tail -5 "$work/cpack.log")"
deb=$(ls "$work"/pkg/satlink_*.deb)
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section is not games"
# Every library the package asks for is a Debian package, the very ones this machine runs the game with.
for dep in $(dpkg-deb -f "$deb" Depends | tr ',' '\n' | awk '{ print $1 }'); do
  dpkg-query -W -f='${Status}' "$dep" 2>/dev/null | grep -q "install ok installed" ||
    fail "the package depends on $dep, which is not installed here"
done
# The scratch root has no libraries of its own: the game runs on this machine's.
dpkg --root="$root" --log="$work/dpkg.log" --force-depends -i "$deb" >"$work/dpkg.out" 2>&1 ||
  fail "dpkg: $(tail -5 "$work/dpkg.out")"

usr="$root/usr"
for file in games/satlink bin/quizd share/games/satlink/config.xml share/games/satlink/media/lista.txt \
  share/games/satlink/media/OrvendMap/map.3DS share/applications/satlink.desktop \
  share/metainfo/satlink.metainfo.xml share/quizd/satlink.gift lib/systemd/system/quizd.service; do
  [ -f "$usr/$file" ] || fail "the package lacks /usr/$file"
done
[ -x "$usr/games/satlink" ] && [ -x "$usr/bin/quizd" ] || fail "programs not executable"
[ "$(ls "$usr/games")" = satlink ] || fail "/usr/games holds more than the game: $(ls "$usr/games")"
for size in 32 48 64 128 256; do
  icon="$usr/share/icons/hicolor/${size}x${size}/apps/satlink.png"
  [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "no ${size}x${size} icon"
done
desktop-file-validate "$usr/share/applications/satlink.desktop" || fail "desktop entry"
appstream-util validate-relax --nonet "$usr/share/metainfo/satlink.metainfo.xml" >/dev/null || fail "metainfo"

# From here on the install is read-only, and the game is run by a user who owns nothing in it.
touch "$work/installed"
chmod -R a-w "$root"
xml_config() {
  printf '<config><screenresolution fullscreen="false" x="%s" y="%s"/></config>\n' "$1" "$2"
}

# start_installed HOME [VAR=VALUE...] -- PROGRAM: the installed game in test mode, as nobody.
start_installed() {
  local home=$1
  shift
  mkdir -p "$home" && chown nobody:nogroup "$home"
  setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -u XDG_CONFIG_HOME -u XDG_STATE_HOME HOME="$home" XAUTHORITY="$work/xauth" "$@" --test-mode \
    >"$GAME_DIR/stdout.txt" 2>"$GAME_DIR/stderr.txt" &
  GAME_PID=$!
}

# play_and_quit SIZE LOG: the window has the size, test mode is on, O ends the game with "bye".
play_and_quit() {
  ln -sf "$2" "$GAME_DIR/log.txt"
  local win
  win=$(game_window)
  [ "$(window_shape "$win")" = "$1 no" ] || fail "window is $(window_shape "$win"), not $1"
  pass_logon "$win"
  wait_caption_number "$win"
  expect_log_line "test mode on"
  focus_game "$win"
  hold_key o
  wait_game
  release_key o
  [ "$GAME_STATUS" = 0 ] || fail "status $GAME_STATUS after O, not 0"
  grep -qx "bye" "$GAME_DIR/stdout.txt" || fail "O did not print bye"
}

# No XDG variables: ~/.local/state for the log, and the shipped config (1024 x 768).
home="$work/home"
start_installed "$home" "$usr/games/satlink"
log="$home/.local/state/satlink/log.txt"
play_and_quit 1024x768 "$log"
[ "$(head -n 1 "$log")" = "log: $log; config: $usr/share/games/satlink/config.xml (own settings go in $home/.config/satlink/config.xml)" ] ||
  fail "first log line: $(head -n 1 "$log")"
[ "$(stat -c %a "$home/.local/state/satlink")" = 700 ] || fail "the log folder is not private"

# The XDG folders, with a config of the user's own (800 x 600).
mkdir -p "$work/xdg/config/satlink" "$work/xdg/state"
xml_config 800 600 >"$work/xdg/config/satlink/config.xml"
chown -R nobody:nogroup "$work/xdg"
start_installed "$home" XDG_CONFIG_HOME="$work/xdg/config" XDG_STATE_HOME="$work/xdg/state" "$usr/games/satlink"
log="$work/xdg/state/satlink/log.txt"
play_and_quit 800x600 "$log"
[ "$(head -n 1 "$log")" = "log: $log; config: $work/xdg/config/satlink/config.xml" ] ||
  fail "first log line: $(head -n 1 "$log")"
[ -z "$(find "$root" -newer "$work/installed" -print -quit)" ] || fail "the game wrote into its install"

# A prefix install its user can write to (root here, or a prefix in ~/.local) is still an install.
cmake --install "$SATLINK_BUILD_DIR" --prefix "$work/prefix" >"$work/install.log" 2>&1 || fail "cmake --install"
log="$work/roothome/.local/state/satlink/log.txt"
(env -u XDG_CONFIG_HOME -u XDG_STATE_HOME HOME="$work/roothome" "$work/prefix/games/satlink" --test-mode) \
  >"$GAME_DIR/stdout.txt" 2>"$GAME_DIR/stderr.txt" &
GAME_PID=$!
play_and_quit 1024x768 "$log"
[ ! -e "$work/prefix/games/log.txt" ] || fail "log.txt written beside the installed program"

# quizd: the help a teacher reads, and the service's own commands with its database in a scratch folder.
help=$("$usr/bin/quizd" --help 2>&1 || true)
for text in "systemctl enable --now quizd" "/var/lib/quizd/quizd.db" "/usr/share/quizd/satlink.gift"; do
  grep -qF -- "$text" <<<"$help" || fail "quizd --help lacks '$text'"
done
unit="$usr/lib/systemd/system/quizd.service"
grep -qx 'StateDirectory=quizd' "$unit" || fail "the service's database is not under /var/lib/quizd"
# systemd finds the unqualified quizd in /usr/bin; here it is in the scratch root.
sed "s|^\(Exec[A-Za-z]*=\)quizd |\1$usr/bin/quizd |" "$unit" >"$work/quizd.service"
systemd-analyze verify "$work/quizd.service" || fail "systemd-analyze verify"
state="$work/var-lib-quizd"
mkdir -p "$state"
command_of() { sed -n "s|^$1=quizd ||p" "$unit" | sed "s|/var/lib/quizd|$state|g"; }
"$usr/bin/quizd" $(command_of ExecStartPre) >/dev/null || fail "ExecStartPre"
"$usr/bin/quizd" import "$state/quizd.db" "$usr/share/quizd/satlink.gift" >/dev/null || fail "import the sample bank"
"$usr/bin/quizd" adduser "$state/quizd.db" ana senha123 >/dev/null || fail "adduser"
# The service's own command line; the later --port wins over its 80.
"$usr/bin/quizd" $(command_of ExecStart) --address 127.0.0.1 --port 0 --port-file "$state/port" \
  >/dev/null 2>"$state/quizd.log" &
quizd_pid=$!
wait_for_file "$state/port" 30
question=$(curl -s "http://127.0.0.1:$(cat "$state/port")/play.php?msg=p&username=ana&password=senha123" || true)
kill "$quizd_pid"
[[ "$question" =~ ^[1-4][0-9]{4} ]] || fail "the service served no question: $question"
echo "ok"
