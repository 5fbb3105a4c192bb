# Two quizd on one PostgreSQL, the game's clients taking turns between them as behind a balancer. In
# the middle of the burst one quizd is killed with -9 and started again, then PostgreSQL is restarted:
# answers are refused with the game's usual reply meanwhile, every answer acknowledged is in the
# database once, and with one session the teacher's results read the same from either server.
set -euo pipefail
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
source "$SATLINK_SOURCE_DIR/tests/support/postgres.bash"
if ! postgres_available; then
  echo "PostgreSQL is not installed (Debian package postgresql): skipped"
  exit 77
fi
dir=$(mktemp -d)
pids=()
clients=()
trap 'kill -9 ${pids[*]:-} ${clients[*]:-} 2>/dev/null || true; postgres_stop; rm -rf "$dir"' EXIT
postgres_start "$dir"
DB="$PG_URL"
quizd_prepare_db "$DB"
"$QUIZD" addteacher "$DB" prof segredo >/dev/null

# serve NAME: one quizd with its port file and log in $dir/NAME; its pid in the variable NAME_pid.
serve() {
  mkdir -p "$dir/$1"
  quizd_start "$dir/$1" "$DB"
  printf -v "$1_pid" %s "$QUIZD_PID"
  pids+=("$QUIZD_PID")
}
serve a
serve b

# Each client sends its answers to a and b in turn; each answer carries a tag of its own and is written
# down once acknowledged, or as refused when the game's "server in trouble" reply came back.
for client in $(seq 6); do
  ( n=0
    while [ ! -e "$dir/stop" ]; do
      n=$((n + 1)); tag="c${client}n${n}"
      server=$([ $((n % 2)) = 0 ] && echo a || echo b)
      port=$(cat "$dir/$server/port" 2>/dev/null || echo 1)
      reply=$(curl -s --max-time 5 -w '|%{http_code}' \
        "http://127.0.0.1:$port/play.php?msg=r&$AUTH&id=0015&resposta=$tag" || true)
      case "$reply" in
        "0|200" | "1|200") echo "$tag" >>"$dir/acked.$client" ;;
        "0"$'\t'"Erro interno do servidor|500") echo "$tag" >>"$dir/refused.$client" ;;
      esac
    done ) &
  clients+=($!)
done
acked() { cat "$dir"/acked.* 2>/dev/null | wc -l; }
acked_at_least() { [ "$(acked)" -ge "$1" ]; }
# wait_for_more N: until N more answers are acknowledged than now.
wait_for_more() {
  wait_until 60 "fewer than $1 more answers acknowledged" acked_at_least $(($(acked) + $1))
}

wait_for_more 40
kill -9 "$a_pid"
wait "$a_pid" 2>/dev/null || true
serve a
wait_for_more 40
postgres_restart
wait_for_more 40
touch "$dir/stop"
wait "${clients[@]}"

postgres_query "SELECT answer FROM attempts WHERE answer LIKE 'c%'" | sort >"$dir/stored"
cat "$dir"/acked.* | sort >"$dir/acked"
missing=$(comm -23 "$dir/acked" "$dir/stored" | head -5)
[ -z "$missing" ] || fail "acknowledged but not stored: $missing"
twice=$(sort "$dir/stored" | uniq -d | head -5)
[ -z "$twice" ] || fail "stored twice: $twice"
refused=$(cat "$dir"/refused.* 2>/dev/null | wc -l)
[ "$refused" -gt 0 ] || fail "no answer was refused while PostgreSQL restarted"
echo "acknowledged $(acked), refused $refused, stored $(wc -l <"$dir/stored")"

# One sign-in on a, the results from both.
port_a=$(cat "$dir/a/port")
port_b=$(cat "$dir/b/port")
teacher_sign_in "$port_a"
teacher_page "$port_a" /resultados.csv >"$dir/results.a"
teacher_page "$port_b" /resultados.csv >"$dir/results.b"
grep -q "^ana,$(wc -l <"$dir/stored")," "$dir/results.a" || fail "server a's results: $(cat "$dir/results.a")"
cmp -s "$dir/results.a" "$dir/results.b" || fail "the servers' results differ: $(cat "$dir/results.b")"
echo "ok"
