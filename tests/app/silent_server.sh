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
for _ in $(seq 100); do [ -s "$GAME_DIR/port" ] && break; sleep 0.05; done
[ -s "$GAME_DIR/port" ] || fail "the silent listener did not start"

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

# The engine counts the frame rate anew every second and a half; read every half second for the whole
# wait (the log-on's time-out is ten seconds), the caption changes again and again.
captions=()
for _ in $(seq 60); do
  grep -qx "Story: no answer to the log-on" "$GAME_DIR/log.txt" && break
  captions+=("$(xdotool getwindowname "$win")")
  sleep 0.5
done
expect_log_line "loginServer: reading the reply: time-out"
changes=0
for i in $(seq 1 $((${#captions[@]} - 1))); do
  [ "${captions[$i]}" != "${captions[$((i - 1))]}" ] && changes=$((changes + 1))
done
echo "captions while the log-on was out: ${captions[*]}"
[ "$changes" -ge 3 ] || fail "the caption changed $changes times while the log-on was out: ${captions[*]}"

# No answer brings the log-on window back; its ok tries again.
sleep 0.3
screenshot silent-server-no-answer
pass_logon "$win"
# wait_second LINE: waits until the log holds the line twice.
wait_second() {
  for _ in $(seq 100); do
    [ "$(grep -cxF "$1" "$GAME_DIR/log.txt")" = 2 ] && return
    sleep 0.1
  done
  fail "log.txt does not have the line '$1' twice"
}
wait_second "Story: logging on to the quiz server"
wait_second "waiting for the quiz server"
screenshot silent-server-waiting

# From the frame that sees O (it says "bye", after the failed log-on's console line without a line end)
# the game ends within a second; the log-on's connection was shut, not left to its time-out.
focus_game "$win"
hold_key o
for _ in $(seq 100); do
  grep -q "bye$" "$GAME_DIR/stdout.txt" && break
  sleep 0.1
done
grep -q "bye$" "$GAME_DIR/stdout.txt" || fail "O did not print bye"
for _ in $(seq 10); do
  kill -0 "$GAME_PID" 2>/dev/null || break
  sleep 0.1
done
release_key o
kill -0 "$GAME_PID" 2>/dev/null && fail "the game did not end within a second of O with the log-on out"
expect_status 0 "O with the log-on out"
expect_log_line "loginServer: empty reply"

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
