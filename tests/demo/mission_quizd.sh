# The automatic player plays the whole mission in the real window against a real quizd with the sample
# bank: it logs on through the log-on window, walks, fights, touches and collects, answers from the
# bank (some answers wrong on purpose) and wins; quizd keeps every answer.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
source "$SATLINK_SOURCE_DIR/tests/demo/demo.bash"

demo_quizd
demo_config "127.0.0.1:$QUIZD_PORT"

start_game --demo --bank "$SAMPLE_BANK"
demo_wins quizd 2 22 81 100 160 210
grep -qx "logon as ana" "$GAME_DIR/log.txt" || fail "the demo did not log on as ana"

expect_planned_answers
# The server judged them: right once at every question stage but 71, and wrong 7 times.
results=$("$QUIZD" export "$dir/quiz.db" - | grep '^ana,') || fail "quizd has no results for ana"
IFS=, read -r _ answered right wrong _ <<<"$results"
echo "quizd: $answered answered, $right right, $wrong wrong"
[ "$right" = 7 ] && [ "$wrong" = 7 ] || fail "quizd counted $right right and $wrong wrong, not 7 and 7"
echo "ok"
