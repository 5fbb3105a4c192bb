# kill -9 in the middle of a burst of answers and game events: after a restart every acknowledged
# answer and event is there, and the export carries the stage reached.
set -euo pipefail
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
quizd_workdir
quizd_prepare "$dir"
quizd_start "$dir"

# Eight clients answer and report events in turn; each carries its own tag and is written down once
# acknowledged.
clients=()
for client in $(seq 8); do
  ( for n in $(seq 1000); do
      tag="c${client}n${n}"
      body=$(curl -s --max-time 5 "http://127.0.0.1:$QUIZD_PORT/play.php?msg=r&$AUTH&id=0015&resposta=$tag" || true)
      [ "$body" = "0" ] && echo "answer $tag" >> "$dir/acked.$client"
      body=$(curl -s --max-time 5 \
        "http://127.0.0.1:$QUIZD_PORT/play.php?msg=e&$AUTH&event=stage&stage=$n&title=$tag&life=50&time=$n" || true)
      [ "$body" = "1" ] && echo "event $tag" >> "$dir/acked.$client"
    done ) &
  clients+=($!)
done
# The kill comes in the middle of the burst, once a few dozen are acknowledged.
acked_over() { [ "$(cat "$dir"/acked.* 2>/dev/null | wc -l)" -gt "$1" ]; }
wait_until 60 "no answers acknowledged" acked_over 40
kill -9 $QUIZD_PID
wait $QUIZD_PID 2>/dev/null || true
kill "${clients[@]}" 2>/dev/null || true
wait "${clients[@]}" 2>/dev/null || true
cat "$dir"/acked.* | sort > "$dir/acked"
acked=$(wc -l < "$dir/acked")
[ "$acked" -gt 20 ] || fail "only $acked answers and events acknowledged before the kill"

quizd_start "$dir"
[ "$(curl -s "http://127.0.0.1:$QUIZD_PORT/play.php?msg=l&$AUTH")" = "1" ] || fail "restart"
sqlite3 "$dir/quiz.db" "PRAGMA integrity_check" | grep -qx ok || fail "database damaged"
sqlite3 "$dir/quiz.db" "SELECT 'answer ' || answer FROM attempts UNION ALL SELECT 'event ' || title FROM events" \
  | sort > "$dir/stored"
missing=$(comm -23 "$dir/acked" "$dir/stored" | wc -l)
[ "$missing" -eq 0 ] || fail "$missing of $acked acknowledged answers and events lost"
grep -q "^event " "$dir/acked" || fail "no event acknowledged before the kill"

reached=$(sqlite3 "$dir/quiz.db" "SELECT stage || ',' || title FROM events ORDER BY stage DESC, id LIMIT 1")
"$QUIZD" export "$dir/quiz.db" - > "$dir/export.csv"
head -1 "$dir/export.csv" | grep -q ",etapa_alcancada,fase_alcancada,segundos_para_concluir$" || fail "export header"
grep -q "^ana,.*,$reached,$" "$dir/export.csv" || fail "export without ana's stage $reached: $(cat "$dir/export.csv")"
echo "crash: $acked acknowledged answers and events, all stored"
