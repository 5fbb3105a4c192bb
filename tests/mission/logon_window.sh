#!/usr/bin/env bash
# The log-on window of the real game: shown alone with the configured names; ok, cancelar.
set -euo pipefail
source "$SATLINK_SOURCE_DIR/tests/support/gamewindow.bash"
in_xvfb "$@"
make_game_dir
shots="${SATLINK_BUILD_DIR}/screenshots"
mkdir -p "$shots"

is_number() { [[ "$(caption "$1")" =~ ^[0-9]+$ ]]; }

# Shown with the names from config.xml, the password masked, and no frame of the game run.
write_config "ana" "segredo"
start_game
win=$(wait_window)
sleep 1
import -window root "$shots/logon.png"
[ "$(pixel "$shots/logon.png" 400 500)" = "80,80,80" ] || fail "the scene background is not cleared to grey"
[ "$(pixel "$shots/logon.png" 100 60)" != "80,80,80" ] || fail "no log-on window"
is_number "$win" && fail "the frame loop ran during the log-on"

# Typed names replace the configured ones; ok reaches the frame loop.
xdotool mousemove 300 87 click 1 key ctrl+a type "bia"
xdotool mousemove 300 137 click 1 key ctrl+a type "x y"
import -window root "$shots/logon-typed.png"
xdotool mousemove 406 187 click 1
wait_until 10 is_number "$win" || fail "no frame after ok"
grep -qx "logon as bia" "$GAME_DIR/log.txt" || fail "typed name not taken"
kill "$GAME_PID"
wait "$GAME_PID" || true

# cancelar ends the game with status 0 before any frame.
rm -f "$GAME_DIR/log.txt"
start_game
win=$(wait_window)
sleep 0.5
xdotool mousemove 516 187 click 1
status=$(game_status 10)
[ "$status" = 0 ] || fail "cancelar ended with $status"
grep -q "logon as" "$GAME_DIR/log.txt" && fail "the game went on after cancelar"
echo "log-on window tests passed"
