# Shared helpers of the window tests: a private game folder and the real game under Xvfb.
# Source it first thing; it runs the sourcing script again inside an X server of its own.
if [ -z "${SATLINK_UNDER_XVFB:-}" ]; then
  export SATLINK_UNDER_XVFB=1
  # A random first display number keeps tests started together off each other; -noreset keeps
  # the server taking connections between one run of the game and the next.
  exec xvfb-run -a -n $((100 + RANDOM % 5000)) -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" bash "$0" "$@"
fi
set -euo pipefail

: "${SATLINK_BUILD_DIR:?the build folder}"
source "$SATLINK_SOURCE_DIR/tests/support/wait.bash"

# The game reads config.xml and writes log.txt beside its executable, so each test plays its own copy.
GAME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/satlink-window-XXXXXX")
cp "$SATLINK_BUILD_DIR/satlink" "$GAME_DIR/"
ln -s "$SATLINK_BUILD_DIR/media" "$GAME_DIR/media"
# The game's install token goes to the user's state folder: the test's own.
export XDG_STATE_HOME="$GAME_DIR/state"
GAME_PID=
SHOT_DIR="$SATLINK_BUILD_DIR/screenshots"

cleanup() {
  if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then kill "$GAME_PID" 2>/dev/null || true; fi
  rm -rf "$GAME_DIR"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  for f in stdout.txt stderr.txt log.txt; do
    [ -f "$GAME_DIR/$f" ] && { echo "--- $f" >&2; tail -n 20 "$GAME_DIR/$f" >&2; }
  done
  exit 1
}

# The window tests' usual config.xml: an 800 x 600 window and a user whose quiz server is not there.
window_800x600_config() {
  cat >"$GAME_DIR/config.xml" <<'XML'
<config>
  <user username="ana" password="segredo" server="127.0.0.1:9"/>
  <screenresolution fullscreen="false" x="800" y="600"/>
</config>
XML
}

# Starts the game in the background with the given arguments; its output goes to stdout.txt
# and stderr.txt in the game folder.
start_game() {
  (cd "$GAME_DIR" && exec ./satlink "$@") >"$GAME_DIR/stdout.txt" 2>"$GAME_DIR/stderr.txt" &
  GAME_PID=$!
}

# The first top-level window on the screen, if any.
top_window() {
  xwininfo -root -children 2>/dev/null | awk '$1 ~ /^0x/ { print $1; exit }'
}

# Prints the id of the game's window once it is mapped.
game_window() {
  wait_until 30 "no game window" window_viewable
  top_window
}

window_viewable() {
  local id
  id=$(top_window)
  [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q "Map State: IsViewable" && return
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window showed"
  return 1
}

# Window geometry and state as "WIDTHxHEIGHT override-redirect(yes|no)".
window_shape() {
  xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } /Override Redirect State:/ { o = $4 }
    END { print w "x" h " " o }'
}

# dialog_geometry WIDTH HEIGHT: sets where the dialogs' buttons and boxes sit on a game window of that
# size (OK_X, CANCEL_X, BOX_X, LOGON_USER_Y, LOGON_PASSWORD_Y, LOGON_BUTTONS_Y, QUESTION_BUTTONS_Y,
# ANSWER_Y, and CHOICE_Y, one row per alternative), as the game lays them out.
dialog_geometry() {
  local assignments
  assignments=$("$SATLINK_BUILD_DIR/tests/dialog_geometry" "$1" "$2") || fail "no dialog geometry for $1 x $2"
  eval "$assignments"
}

# Presses "ok" on the log-on window, which holds the game until it is answered; the dialog's size
# follows the window's.
pass_logon() {
  local size
  size=$(xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
  dialog_geometry $size
  logon_click "$1" "$OK_X"
}

# logon_click WINDOW X: a click at X on the row of the log-on window's buttons.
logon_click() {
  xdotool mousemove --window "$1" "$2" "$LOGON_BUTTONS_Y" click 1
}

# Waits until the caption is the frame rate: a decimal number and nothing else.
wait_caption_number() {
  wait_until 30 "the caption is '$(xdotool getwindowname "$1" 2>/dev/null || true)', not a number" caption_number "$1"
}

caption_number() {
  [[ "$(xdotool getwindowname "$1" 2>/dev/null || true)" =~ ^[0-9]+$ ]]
}

focus_game() {
  xdotool windowfocus --sync "$1"
}

# A key stays down until released (the server, started with -noreset, keeps its key state).
hold_key() {
  xdotool keydown "$1"
}

release_key() {
  xdotool keyup "$1"
}

# hold_until KEY WHAT COMMAND...: holds the key down until the command holds, then lets it go. The game
# reads the keys' state once a frame, so a key pressed and let go between two frames is never seen:
# it stays down until its effect shows.
hold_until() {
  local key=$1 what=$2
  shift 2
  hold_key "$key"
  wait_until 30 "$what" "$@"
  release_key "$key"
}

# press_logged KEY LINE: holds the key until the log holds the line once more than before.
press_logged() {
  local before
  before=$(count_lines "$GAME_DIR/log.txt" "$2")
  hold_until "$1" "$1 never brought the line '$2'" count_at_least "$GAME_DIR/log.txt" "$2" $((before + 1))
}

# Closes the window as a window manager does.
close_window() {
  "$SATLINK_BUILD_DIR/tests/wm_delete_window" "$1"
}

# Waits for the game to end and sets GAME_STATUS to its exit status as a shell sees it.
# (Not in a command substitution: only this shell can wait for the game.)
wait_game() {
  GAME_STATUS=0
  wait_gone "$GAME_PID" 30 "the game did not end"
  wait "$GAME_PID" || GAME_STATUS=$?
  GAME_PID=
  # The server may show the window a moment longer; the next run must not find it.
  wait_until 10 "the game's window stayed after the game ended" no_window
}

no_window() {
  [ -z "$(top_window)" ]
}

# Waits for the game to end and fails unless it ended with the given status.
expect_status() {
  wait_game
  [ "$GAME_STATUS" = "$1" ] || fail "${2:-the game} ended with status $GAME_STATUS, not $1"
}

screenshot() {
  mkdir -p "$SHOT_DIR"
  import -window root "$SHOT_DIR/$1.png"
}

# The colour of one pixel of a screenshot, as ImageMagick names it ("gray(80)", "srgb(1,2,3)").
pixel() {
  convert "$SHOT_DIR/$1.png" -format "%[pixel:p{$2,$3}]" info:
}

# Waits until the log holds the line.
wait_log_line() {
  wait_for_count "$GAME_DIR/log.txt" "$1" 1 30
}

# Waits until a line of the log begins with the text.
wait_log_start() {
  wait_until 30 "log.txt never had a line beginning '$1'" log_starts "$1"
}

log_starts() {
  awk -v p="$1" 'index($0, p) == 1 { found = 1; exit } END { exit !found }' "$GAME_DIR/log.txt" 2>/dev/null
}

# shot_until NAME COMMAND...: takes the screenshot NAME again and again, for up to twenty seconds, until
# the command holds: frames come slowly on a busy machine. Returns 1 if it never held.
shot_until() {
  local name=$1 deadline=$((SECONDS + 20))
  shift
  until screenshot "$name" && "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
  done
}

# changed A B [AREA]: how many pixels of two screenshots differ, within an area "WxH+X+Y" (the whole
# 800 x 600 window by default).
changed() {
  local area=${3:-800x600+0+0}
  compare -metric AE -fuzz 8% "$SHOT_DIR/$1.png[$area]" "$SHOT_DIR/$2.png[$area]" null: 2>&1 | cut -d' ' -f1
}

# wait_still NAME AREA WHAT: takes screenshots back to back until the area has looked the same for two
# seconds. Stillness is only seen over a span; frames come at least a few times a second even on a busy
# machine, so anything moving changes the picture within it. Fails with WHAT after a minute.
wait_still() {
  local name=$1 area=$2 since=$SECONDS deadline=$((SECONDS + 60))
  screenshot "$name-before"
  while :; do
    screenshot "$name"
    if [ "$(changed "$name-before" "$name" "$area")" -ge 50 ]; then
      cp "$SHOT_DIR/$name.png" "$SHOT_DIR/$name-before.png"
      since=$SECONDS
    elif [ $((SECONDS - since)) -ge 2 ]; then
      return
    fi
    [ "$SECONDS" -lt "$deadline" ] || fail "$3"
  done
}

expect_log_line() {
  grep -qxF "$1" "$GAME_DIR/log.txt" || fail "log.txt lacks the line '$1'"
}

expect_no_log_line() {
  ! grep -qxF "$1" "$GAME_DIR/log.txt" || fail "log.txt has the line '$1'"
}

# Presses Escape until the message box on screen has closed.
press_escape() {
  press_logged Escape "MessageBox::close"
}

# Closes the mission's hints as they come, in the background, so that the status under them stays in view:
# the first waits 9 s after the log-on, each next one 13 s after the last was closed.
dismiss_hints() {
  (
    seen=0
    while kill -0 "$GAME_PID" 2>/dev/null; do
      wait_until 600 "no further hint" hint_after "$seen"
      seen=$((seen + 1))
      process_gone "$GAME_PID" || press_escape
    done
  ) &
}

# hint_after N: whether the game showed more than N hints, or has ended.
hint_after() {
  [ "$(count_lines "$GAME_DIR/log.txt" "Story::showHint")" -gt "$1" ] || process_gone "$GAME_PID"
}
