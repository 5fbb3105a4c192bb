# Helpers for window tests of the real game: a private copy of the game, its config, its X window.
# Source it from a test script; the script must call in_xvfb "$@" first.

# Runs the calling script again inside a fresh Xvfb server (a free display, 1024x768).
in_xvfb() {
  if [ -z "${SATLINK_IN_XVFB:-}" ]; then
    SATLINK_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
  fi
}

# A temporary folder with a copy of the game and its media; removed when the script ends.
make_game_dir() {
  GAME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/satlink-window-XXXXXX")
  trap 'rm -rf "$GAME_DIR"' EXIT
  cp "$SATLINK_BUILD_DIR/satlink" "$GAME_DIR/"
  ln -s "$SATLINK_BUILD_DIR/media" "$GAME_DIR/media"
}

# write_config USER PASSWORD [SERVER]: an 800x600 window, no proxy.
write_config() {
  cat > "$GAME_DIR/config.xml" <<XML
<config>
  <proxy active="false" ip="" port="0"/>
  <user username="$1" password="$2" server="${3:-127.0.0.1:9}"/>
  <parameters wireframe="false" killall="false" music="false" cheating="false"/>
  <screenresolution fullscreen="false" x="800" y="600"/>
</config>
XML
}

# Starts the game in the background; GAME_PID is its process.
start_game() {
  (cd "$GAME_DIR" && exec ./satlink "$@" > "$GAME_DIR/out.txt" 2>&1) &
  GAME_PID=$!
}

# The id of the first top-level window, once one is mapped (10 s at most).
wait_window() {
  local id
  for _ in $(seq 100); do
    id=$(xwininfo -root -children | awk '/^ +0x[0-9a-f]+ .*[0-9]+x[0-9]+\+/ {print $1; exit}')
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  echo "no window appeared" >&2
  return 1
}

caption() {
  xprop -id "$1" WM_NAME | sed -n 's/^WM_NAME([A-Z_]*) = "\(.*\)"$/\1/p'
}

# wait_until SECONDS COMMAND...: polls the command every 0.1 s.
wait_until() {
  local tries=$(( $1 * 10 )); shift
  for _ in $(seq "$tries"); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  return 1
}

# The exit status of the game, waiting at most SECONDS (default 10); 124 when it did not end.
game_status() {
  local tries=$(( ${1:-10} * 10 ))
  for _ in $(seq "$tries"); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
      local status=0
      wait "$GAME_PID" || status=$?
      echo "$status"
      return
    fi
    sleep 0.1
  done
  kill "$GAME_PID" 2>/dev/null || true
  echo 124
}

# pixel FILE X Y: the colour at that point as r,g,b.
pixel() {
  convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)],%[fx:int(255*p{'"$2"','"$3"'}.g)],%[fx:int(255*p{'"$2"','"$3"'}.b)]' info:
}

fail() {
  echo "FAIL: $*" >&2
  [ -f "$GAME_DIR/out.txt" ] && sed 's/^/  out: /' "$GAME_DIR/out.txt" >&2
  [ -f "$GAME_DIR/log.txt" ] && sed 's/^/  log: /' "$GAME_DIR/log.txt" >&2
  exit 1
}
