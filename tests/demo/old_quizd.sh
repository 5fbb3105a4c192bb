# A quiz server that does not know the game's event reports (a stand-in in front of quizd refuses them
# as an older quizd does): the automatic player still plays the whole mission as before, every answer
# kept by quizd, and nothing of the refusals reaches the screen or the story.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
source "$SATLINK_SOURCE_DIR/tests/demo/demo.bash"

demo_quizd
/usr/bin/python3 "$SATLINK_SOURCE_DIR/tests/demo/old_quizd.py" "$QUIZD_PORT" "$dir/old-port" >"$dir/old.out" &
OLD_PID=$!
trap 'kill $OLD_PID 2>/dev/null || true; kill -9 ${QUIZD_PID:-} 2>/dev/null || true; rm -rf "$dir"; cleanup' EXIT
wait_for_file "$dir/old-port" 30
demo_config "127.0.0.1:$(cat "$dir/old-port")"

start_game --demo --bank "$SAMPLE_BANK"
demo_wins old-quizd
refused=$(grep -c "refused msg=e" "$dir/old.out" || true)
echo "reports refused: $refused"
[ "$refused" -ge 40 ] || fail "only $refused reports reached the stand-in"
[ "$(sqlite3 "$dir/quiz.db" "SELECT count(*) FROM events")" = 0 ] || fail "quizd stored events it never got"
results=$("$QUIZD" export "$dir/quiz.db" - | grep '^ana,') || fail "quizd has no results for ana"
IFS=, read -r _ answered _ <<<"$results"
[ "$answered" -ge 14 ] || fail "quizd kept only $answered answers"
echo "ok"
