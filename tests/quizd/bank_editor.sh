# The bank's editor in headless Chromium: one question of each kind added (one refused first, next to
# its field), previewed, one fixed after a student answered it, one retired and brought back and retired
# again, the bank downloaded as GIFT; a 200-row spreadsheet refused whole for its broken rows, then taken
# whole once fixed. The GIFT then fills a fresh database with the same questions, and the automatic
# player answers every one of them right through the game's windows. Screenshots go to
# build/screenshots/bank/.
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
source "$SATLINK_SOURCE_DIR/tests/demo/demo.bash"
quizd_workdir
"$QUIZD" init "$dir/quiz.db" >/dev/null
"$QUIZD" addteacher "$dir/quiz.db" prof segredo >/dev/null
"$QUIZD" adduser "$dir/quiz.db" ana 's3 nh&a' >/dev/null
quizd_start "$dir"

shots="$SATLINK_BUILD_DIR/screenshots/bank"
rm -rf "$shots"
mkdir -p "$shots"
# 200 questions after a header line; four rows broken, each in its own way (lines 18, 59, 121, 172).
for k in $(seq 200); do
  case $k in
    17) echo "Pergunta $k sem resposta certa?;;errada" ;;
    58) echo "Pergunta $k com seis erradas?;certa;a;b;c;d;e;f" ;;
    120) echo "Pergunta $k com seta → no texto?;certa;errada" ;;
    171) echo "Pergunta $k $(printf 'longa %.0s' $(seq 90))?;certa;errada" ;;
    *) echo "Pergunta $k: quanto é $k + 1?;$((k + 1));$((k + 2));$((k + 3))" ;;
  esac
done | sed '1i pergunta;certa;errada 1;errada 2' >"$dir/broken.csv"
sed -e 's/sem resposta certa?;;/com certa?;certa;/' -e 's/;e;f$//' -e 's/seta →/seta ->/' \
  -e 's/\(longa \)\{90\}/longa /' "$dir/broken.csv" | iconv -f UTF-8 -t WINDOWS-1252 >"$dir/fixed.csv"

/usr/bin/python3 "$SATLINK_SOURCE_DIR/tests/quizd/bank_editor.py" "$QUIZD_PORT" \
  "$SATLINK_BUILD_DIR/tests/game_answer" "$dir" "$shots" "$dir/broken.csv" "$dir/fixed.csv"

# What the game gets from a bank: kind, text, alternatives, answers, order kept or not.
bank() { sqlite3 "$1" "SELECT kind, text, alternatives, answers, shuffle FROM questions WHERE retired = 0 ${2:-} ORDER BY text"; }
gift="$dir/downloads/questoes.gift"
mkdir "$dir/fresh"
"$QUIZD" init "$dir/fresh/quiz.db" >/dev/null
"$QUIZD" import "$dir/fresh/quiz.db" "$gift" >/dev/null
"$QUIZD" adduser "$dir/fresh/quiz.db" ana 's3 nh&a' >/dev/null
[ "$(bank "$dir/fresh/quiz.db")" = "$(bank "$dir/quiz.db" "AND id <= 6")" ] ||
  fail "the downloaded GIFT did not give the same questions: $(diff <(bank "$dir/fresh/quiz.db") <(bank "$dir/quiz.db" "AND id <= 6"))"
[ "$(sqlite3 "$dir/fresh/quiz.db" "SELECT count(*) FROM questions")" = 5 ] || fail "the GIFT holds a retired question"

kill "$QUIZD_PID"
quizd_start "$dir/fresh"
demo_config "127.0.0.1:$QUIZD_PORT"
start_game --demo --bank "$gift"
game_window >/dev/null
play_demo bank
[ "$GAME_STATUS" = 0 ] || fail "the demo ended with status $GAME_STATUS, not 0"
expect_report "mission accomplished"
unanswered=$(sqlite3 "$dir/fresh/quiz.db" "SELECT text FROM questions WHERE id NOT IN
  (SELECT question_id FROM attempts a JOIN users u ON u.id = a.user_id WHERE u.username = 'ana' AND is_right = 1)")
[ -z "$unanswered" ] || fail "the demo never answered right: $unanswered"
echo "bank editor: ok"
