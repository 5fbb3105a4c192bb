# The teacher's command line: init twice, import (and a broken bank), class list, results and CSV export.
set -euo pipefail
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
quizd_workdir
db="$dir/quiz.db"
"$QUIZD" init "$db" >/dev/null
"$QUIZD" init "$db" >/dev/null
"$QUIZD" import "$db" "$SAMPLE_BANK" | grep -q "questoes novas" || fail "import"
"$QUIZD" import "$db" "$SAMPLE_BANK" | grep -q ": 0 questoes novas" || fail "second import added questions"
count=$(sqlite3 "$db" "SELECT count(*) FROM questions")
[ "$count" -ge 30 ] || fail "sample bank has $count questions"
[ "$(sqlite3 "$db" "SELECT count(DISTINCT kind) FROM questions")" = 4 ] || fail "not every kind in the sample"

# A broken bank: every bad question named with its line, the good one kept, nothing else touched.
printf 'Boa {=sim ~nao}\n\nSem fim {=a ~b\n\nSete {=1 ~2 ~3 ~4 ~5 ~6 ~7}\n\n\x00\xff\xfe lixo {T}\n' > "$dir/broken.gift"
"$QUIZD" import "$db" "$dir/broken.gift" 2> "$dir/errors" >/dev/null || true
grep -q "broken.gift:3: " "$dir/errors" || fail "unclosed brace not reported"
grep -q "broken.gift:5: " "$dir/errors" || fail "seven alternatives not reported"
grep -q "broken.gift:7: " "$dir/errors" || fail "garbage not reported"
[ "$(sqlite3 "$db" "SELECT count(*) FROM questions")" = $((count + 1)) ] || fail "broken bank import"
! "$QUIZD" import "$db" "$dir/none.gift" 2>/dev/null || fail "missing file accepted"

# Saved by a spreadsheet: a UTF-8 mark first, Windows-1252 accents (Jo\xe3o). A broken line refuses the
# whole list, and then the mended list goes in whole.
printf '\xef\xbb\xbfusuario;senha\nbia;um\n"caio";"dois tres"\nJo\xe3o;x\nsem-senha\n' > "$dir/turma.csv"
! "$QUIZD" addusers "$db" "$dir/turma.csv" > /dev/null 2> "$dir/errors" || fail "line without password accepted"
grep -q "turma.csv:5:" "$dir/errors" || fail "bad CSV line not named"
[ "$(sqlite3 "$db" "SELECT count(*) FROM users")" = 0 ] || fail "a broken class list was half imported"
head -c 5000 /dev/urandom > "$dir/random.csv"
! "$QUIZD" addusers "$db" "$dir/random.csv" > /dev/null 2>&1 || fail "random bytes accepted as a class list"
[ "$(sqlite3 "$db" "SELECT count(*) FROM users")" = 0 ] || fail "random bytes made users"
sed -i '$d' "$dir/turma.csv"
"$QUIZD" addusers "$db" "$dir/turma.csv" | grep -q "^3 usuarios gravados" || fail "mended class list"
[ "$(sqlite3 "$db" "SELECT group_concat(username) FROM (SELECT username FROM users ORDER BY 1)")" = "João,bia,caio" ] \
  || fail "class list: $(sqlite3 "$db" "SELECT group_concat(username) FROM users")"
! sqlite3 "$db" "SELECT password_hash FROM users" | grep -q "dois" || fail "password in clear"
! "$QUIZD" adduser "$db" "$(printf 'eva\tx')" senha 2>/dev/null || fail "a name with a tab accepted"

# Owner-only files, and cells a spreadsheet would run exported as text.
[ "$(stat -c %a "$db")" = 600 ] || fail "database mode $(stat -c %a "$db")"
"$QUIZD" adduser "$db" "=HYPERLINK(\"http://x\")" p >/dev/null
"$QUIZD" adduser "$db" "+cmd|' /C calc'!A0" p >/dev/null
"$QUIZD" export "$db" - | grep -qx "\"'=HYPERLINK(\"\"http://x\"\")\",0,0,0,,,,," || fail "formula exported raw"
"$QUIZD" export "$db" - | grep -q "^'+cmd|' /C calc'!A0," || fail "command exported raw"

QUIZD_PID=
quizd_start "$dir"
curl -s "http://127.0.0.1:$QUIZD_PORT/play.php?msg=r&username=caio&password=dois%20tres&id=0010&resposta=0" >/dev/null
curl -s "http://127.0.0.1:$QUIZD_PORT/play.php?msg=r&username=caio&password=dois%20tres&id=0010&resposta=1" >/dev/null
for f in "$db-wal" "$db-shm"; do [ "$(stat -c %a "$f")" = 600 ] || fail "$f mode $(stat -c %a "$f")"; done
kill $QUIZD_PID; wait $QUIZD_PID || true
"$QUIZD" results "$db" | grep -Eq "^caio +2 +1 +1" || fail "results table"
"$QUIZD" export "$db" "$dir/out.csv" >/dev/null
head -1 "$dir/out.csv" | grep -q "^usuario,respondidas,certas,erradas" || fail "CSV header"
grep -q "^caio,2,1,1,20" "$dir/out.csv" || fail "CSV row"
grep -q "^bia,0,0,0,," "$dir/out.csv" || fail "CSV row of a student with no answers"
echo "teacher: ok"
