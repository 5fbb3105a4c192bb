# The teacher's page in Debian's headless Chromium: sign-in, the sample bank uploaded, an answer sent by
# the game's own client appearing on the class page by itself, the CSV downloaded; refused: a wrong
# password, a student's account, a form without its token, an expired session. Screenshots of each page
# go to build/screenshots/teacher/.
set -euo pipefail
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
quizd_workdir
"$QUIZD" init "$dir/quiz.db" >/dev/null
"$QUIZD" addteacher "$dir/quiz.db" prof 'segredo 1' >/dev/null
"$QUIZD" adduser "$dir/quiz.db" ana aluna >/dev/null
quizd_start "$dir"
# A second server on the same database whose sessions last two seconds.
"$QUIZD" serve "$dir/quiz.db" --address 127.0.0.1 --port 0 --port-file "$dir/port2" --session-time 2 \
  >/dev/null 2>>"$dir/quizd2.log" &
short_pid=$!
trap 'kill -9 ${QUIZD_PID:-} $short_pid 2>/dev/null || true; rm -rf "$dir"' EXIT
wait_for_file "$dir/port2" 30

shots="$SATLINK_BUILD_DIR/screenshots/teacher"
rm -rf "$shots"
mkdir -p "$shots"
printf 'Boa {=sim ~nao}\n\nSem fim {=a ~b\n\nSete {=1 ~2 ~3 ~4 ~5 ~6 ~7}\n' > "$dir/quebrado.gift"
printf 'usuario,senha\nbia,um\ncaio,dois\n' > "$dir/turma.csv"
/usr/bin/python3 "$SATLINK_SOURCE_DIR/tests/quizd/teacher_page.py" "$QUIZD_PORT" "$(cat "$dir/port2")" \
  "$SAMPLE_BANK" "$dir/quebrado.gift" "$dir/turma.csv" "$SATLINK_BUILD_DIR/tests/game_answer" "$dir" "$shots"
[ "$(sqlite3 "$dir/quiz.db" "SELECT count(*) FROM users WHERE username = 'intruso'")" = 0 ] \
  || fail "a form without its token added a student"
! grep -q "segredo" "$dir/quizd.log" || fail "a teacher's password in the log"
echo "teacher page: ok"
