# The teacher watches the real game: the automatic player plays the whole mission against quizd while
# headless Chromium on the class page, refreshing by itself, sees ana's stage advance and "concluiu" at
# the end. Screenshots go to build/screenshots/classview-game/.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
source "$SATLINK_SOURCE_DIR/tests/demo/demo.bash"

quizd_workdir
quizd_prepare "$dir"
"$QUIZD" addteacher "$dir/quiz.db" prof segredo >/dev/null
quizd_start "$dir"
demo_config "127.0.0.1:$QUIZD_PORT"

shots="$SATLINK_BUILD_DIR/screenshots/classview-game"
rm -rf "$shots"
mkdir -p "$shots"
/usr/bin/python3 "$SATLINK_SOURCE_DIR/tests/quizd/class_view.py" "$QUIZD_PORT" "$dir" "$shots" game \
  bash -c 'cd "$1" && exec ./satlink --demo --bank "$2" >stdout.txt 2>stderr.txt' player "$GAME_DIR" "$SAMPLE_BANK" ||
  fail "the class page did not follow the game"
expect_report "mission accomplished"
reported=$(sqlite3 "$dir/quiz.db" "SELECT count(DISTINCT stage) FROM events WHERE kind = 'stage'")
echo "stages reported: $reported"
[ "$reported" -ge 40 ] || fail "only $reported different stages reported"
echo "class view of the game: ok"
