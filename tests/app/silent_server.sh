# Against a quiz server that takes the connection and never answers, the game does not freeze: while the
# log-on is out the caption (the frame rate) keeps changing and a line says the game is waiting; no
# answer brings the log-on window back to try again; O, or closing the window, ends the game at once, the
# request still out.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"

# A listener that accepts every connection and holds it without a word; it writes its port when ready.
python3 -c '
import socket, sys
listener = socket.socket()
listener.bind(("127.0.0.1", 0))
listener.listen(5)
with open(sys.argv[1] + ".tmp", "w") as f:
    f.write(str(listener.getsockname()[1]))
__import__("os").rename(sys.argv[1] + ".tmp", sys.argv[1])
held = []
while True:
    held.append(listener.accept())
' "$GAME_DIR/port" &
LISTENER_PID=$!
trap 'kill $LISTENER_PID 2>/dev/null || true; cleanup' EXIT
wait_for_file "$GAME_DIR/port" 30

# No cap on the frame rate, so that the figure of the caption moves from one reading to the next.
cat >"$GAME_DIR/config.xml" <<XML
<config>
  <user username="ana" password="segredo" server="127.0.0.1:$(cat "$GAME_DIR/port")"/>
  <parameters music="false" maxfps="0"/>
  <screenresolution fullscreen="false" x="800" y="600"/>
</config>
XML

start_game
win=$(game_window)
pass_logon "$win"
wait_caption_number "$win"
wait_log_line "Story: logging on to the quiz server"
wait_log_line "waiting for the quiz server"

# The engine counts the frame rate anew every second and a half; for the whole wait (the log-on's
# time-out is ten seconds) the caption changes again and again.
captions=("$(xdotool getwindowname "$win")")
# note_caption: keeps the caption when it changed; holds once the log-on has had no answer.
note_caption() {
  local now
  now=$(xdotool getwindowname "$win")
  [ "$now" = "${captions[-1]}" ] || captions+=("$now")
  has_line "$GAME_DIR/log.txt" "^Story: no answer to the log-on$"
}
wait_until 60 "the log-on never gave up" note_caption
expect_log_line "loginServer: reading the reply: time-out"
echo "captions while the log-on was out: ${captions[*]}"
[ "${#captions[@]}" -ge 4 ] || fail "the caption changed $((${#captions[@]} - 1)) times while the log-on was out: ${captions[*]}"

# No answer brings the log-on window back (in the frame that logged it); its ok tries again.
pass_logon "$win"
wait_for_count "$GAME_DIR/log.txt" "Story: logging on to the quiz server" 2 30
wait_for_count "$GAME_DIR/log.txt" "waiting for the quiz server" 2 30
screenshot silent-server-waiting

# From the frame that sees O (it says "bye", after the failed log-on's console line without a line end)
# the game ends: the log-on's connection was shut, not left to its time-out.
focus_game "$win"
hold_until o "O did not print bye" has_line "$GAME_DIR/stdout.txt" "bye$"
expect_status 0 "O with the log-on out"
expect_log_line "loginServer: empty reply"
[ "$(count_lines "$GAME_DIR/log.txt" "loginServer: reading the reply: time-out")" = 1 ] ||
  fail "the log-on O cut short waited for its time-out"

# Closing the window with the log-on out ends the game too: the connection is shut, not timed out.
start_game
win=$(game_window)
pass_logon "$win"
wait_log_line "waiting for the quiz server"
close_window "$win"
expect_status 154 "the window closed with the log-on out"
expect_log_line "loginServer: empty reply"
expect_no_log_line "loginServer: reading the reply: time-out"
echo "ok"
