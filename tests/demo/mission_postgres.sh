# The automatic player against two quizd on one PostgreSQL, as a district runs them: ana wins the mission
# against server a, then again against server b, which must see her first game to give her questions she
# has not met. Every answer acknowledged is in the database once, and the teacher's results read the same
# through either server after each game. Skipped where PostgreSQL is not installed.
source "$SATLINK_SOURCE_DIR/tests/support/postgres.bash"
if ! postgres_available; then
  echo "PostgreSQL is not installed (Debian package postgresql): skipped"
  exit 77
fi
source "$SATLINK_SOURCE_DIR/tests/support/window.bash"
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
source "$SATLINK_SOURCE_DIR/tests/demo/demo.bash"

dir=$(mktemp -d)
trap 'cleanup; kill -9 ${pid_a:-} ${pid_b:-} 2>/dev/null || true; postgres_stop; rm -rf "$dir"' EXIT
postgres_start "$dir"
quizd_prepare_db "$PG_URL"
"$QUIZD" addteacher "$PG_URL" prof segredo >/dev/null
mkdir "$dir/a" "$dir/b"
quizd_start "$dir/a" "$PG_URL"
pid_a=$QUIZD_PID port_a=$QUIZD_PORT
quizd_start "$dir/b" "$PG_URL"
pid_b=$QUIZD_PID port_b=$QUIZD_PORT
teacher_sign_in "$port_a"

# acknowledged SERVER: the answers that server stored and judged, one "questao NNNN certa|errada" a line.
acknowledged() {
  sed -n 's/^.* GET \/play\.php?msg=r&.* 200 \(questao [0-9]* \(certa\|errada\)\)$/\1/p' "$dir/$1/quizd.log"
}

# win_against SERVER PORT: the demo wins the whole mission as ana on that server, every answer it gave
# acknowledged there.
win_against() {
  demo_config "127.0.0.1:$2"
  start_game --demo --bank "$SAMPLE_BANK"
  demo_wins "postgres-$1" 2 210
  expect_planned_answers
  local given acked
  given=$(answers_given)
  acked=$(acknowledged "$1" | wc -l)
  echo "server $1: $given answers given, $acked acknowledged"
  [ "$given" -gt 0 ] && [ "$given" = "$acked" ] || fail "the demo gave $given answers, server $1 acknowledged $acked"
  wait_until 10 "the game's window stayed after the game ended" no_window
}

ana=$(postgres_query "SELECT id FROM users WHERE username = 'ana'")

# same_class RIGHT WRONG: the results CSV the teacher downloads and ana's page of answers and stages are
# the same from both servers, and ana has those counts in the CSV.
same_class() {
  same_page /resultados.csv
  grep -q "^ana,[0-9]*,$1,$2," "$dir/page.a" || fail "not $1 right and $2 wrong: $(cat "$dir/page.a")"
  same_page "/aluno?id=$ana"
}

same_page() {
  teacher_page "$port_a" "$1" >"$dir/page.a"
  teacher_page "$port_b" "$1" >"$dir/page.b"
  diff "$dir/page.a" "$dir/page.b" >&2 || fail "the servers' $1 differ (diff above)"
}

win_against a "$port_a"
same_class 7 7
win_against b "$port_b"
same_class 14 14
grep -q '>Partida 2<' "$dir/page.a" || fail "ana's page does not show her game on b as her second"

# Server b chose from what server a stored: it asked none of the questions ana met on a.
asked_both=$(comm -12 <(acknowledged a | cut -d' ' -f2 | sort -u) <(acknowledged b | cut -d' ' -f2 | sort -u))
[ -z "$asked_both" ] || fail "questions asked by both servers: $asked_both"

# Each acknowledged answer is one row, with the verdict the game was given.
postgres_query "SELECT 'questao ' || lpad(question_id::text, 4, '0') ||
                       CASE WHEN is_right = 1 THEN ' certa' ELSE ' errada' END FROM attempts" | sort >"$dir/stored"
cat <(acknowledged a) <(acknowledged b) | sort >"$dir/acked"
diff "$dir/acked" "$dir/stored" >&2 || fail "the database's answers are not those acknowledged (diff above)"
echo "stored $(wc -l <"$dir/stored") answers, once each"
echo "ok"
