# The database file write-protected for a while under a running quizd: answers are refused meanwhile,
# every answer is stored again once it is writable, without a restart, and every acknowledged one is there.
set -euo pipefail
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
quizd_workdir
quizd_prepare "$dir"

# The owner of a file may always write it when it is root, so the server runs as nobody then.
run_as=()
if [ "$(id -u)" = 0 ]; then
  chown -R nobody:nogroup "$dir"
  chmod 755 "$dir"
  run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
"${run_as[@]}" "$QUIZD" serve "$dir/quiz.db" --address 127.0.0.1 --port 0 --port-file "$dir/port" \
  >"$dir/quizd.out" 2>"$dir/quizd.log" &
QUIZD_PID=$!
wait_for_file "$dir/port" 30
QUIZD_PORT=$(cat "$dir/port")

# burst NAME: eight clients answer ten times each at once; acknowledged tags go to $dir/acked.NAME.
burst() {
  local pids=()
  for client in $(seq 8); do
    ( for n in $(seq 10); do
        tag="$1c${client}n${n}"
        reply=$(curl -s --max-time 5 -w ' %{http_code}' \
          "http://127.0.0.1:$QUIZD_PORT/play.php?msg=r&$AUTH&id=0015&resposta=$tag" || true)
        if [ "$reply" = "0 200" ]; then echo "$tag" >> "$dir/acked.$1"; fi
      done ) &
    pids+=($!)
  done
  wait "${pids[@]}"
  touch "$dir/acked.$1"
}

chmod 0400 "$dir/quiz.db"
burst protected
chmod 0600 "$dir/quiz.db"
burst writable
[ "$(wc -l < "$dir/acked.writable")" = 80 ] || fail "only $(wc -l < "$dir/acked.writable") of 80 answers stored after the file was writable again"
kill $QUIZD_PID; wait $QUIZD_PID || true
cat "$dir"/acked.* | sort > "$dir/acked"
sqlite3 "$dir/quiz.db" "SELECT answer FROM attempts" | sort > "$dir/stored"
missing=$(comm -23 "$dir/acked" "$dir/stored" | wc -l)
[ "$missing" -eq 0 ] || fail "$missing acknowledged answers lost"
echo "read-only file: $(wc -l < "$dir/acked.protected") of 80 acknowledged while protected, 80 of 80 after"
