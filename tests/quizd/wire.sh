# The real quizd with the game's exact bytes, curl, a slow client and garbage, while others are served.
set -euo pipefail
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
quizd_workdir
quizd_prepare "$dir"
quizd_start "$dir"

# The game's log-on: request line, Host line and empty line, each ended by a bare line feed.
reply=$(raw_exchange "GET /play.php?msg=l&username=ana&password=s3%%20nh%%26a HTTP/1.0\nHost: quiz\n\n")
[ "$(printf '%s' "$reply" | body_of)" = "1" ] || fail "log-on with bare LF: $reply"

# A question by id, then a wrong and a right answer to it.
question=$(raw_exchange "GET /play.php?msg=p&id=10&$AUTH_RAW HTTP/1.0\nHost: quiz\n\n" | body_of)
[ "$question" = "20010O comando ping usa o protocolo ICMP.	Verdadeiro	Falso" ] || fail "question 10: $question"
[ "$(raw_exchange "GET /play.php?msg=r&$AUTH_RAW&id=0010&resposta=1 HTTP/1.0\nHost: quiz\n\n" | body_of)" = "0" ] || fail "wrong answer"
[ "$(raw_exchange "GET /play.php?msg=r&$AUTH_RAW&id=0010&resposta=0 HTTP/1.0\nHost: quiz\n\n" | body_of)" = "1" ] || fail "right answer"

# A free-text answer with an accent in Windows-1252 and a CRLF request without Host.
[ "$(raw_exchange "GET /play.php?msg=r&$AUTH_RAW&id=0039&resposta=Encripta%%e7%%e3o HTTP/1.0\r\n\r\n" | body_of)" = "1" ] \
  || fail "accented answer"

# curl, as a teacher would try it.
[ "$(curl -s "http://127.0.0.1:$QUIZD_PORT/play.php?msg=l&$AUTH")" = "1" ] || fail "curl log-on"

# A client sending one byte a second holds one connection, not the server. (The second between bytes is
# the slow client's own pace, not a wait.)
( exec 4<>"/dev/tcp/127.0.0.1/$QUIZD_PORT"
  for c in G E T ' ' / p l a y; do printf '%s' "$c" >&4; echo "$c" >>"$dir/dripped"; sleep 1; done
  exec 4<&- ) &
slow=$!
wait_for_file "$dir/dripped" 30
[ "$(curl -s --max-time 5 "http://127.0.0.1:$QUIZD_PORT/play.php?msg=l&$AUTH")" = "1" ] || fail "served beside a slow client"
kill -0 $slow 2>/dev/null || fail "the slow client was done before the other was served"

# Garbage, an oversized request line and a flood of headers are refused; the server goes on.
head -c 20000 /dev/urandom > "$dir/garbage"
{ exec 5<>"/dev/tcp/127.0.0.1/$QUIZD_PORT"; cat "$dir/garbage" >&5; timeout 5 cat <&5 >/dev/null || true; exec 5<&-; } || true
long=$(head -c 200000 /dev/zero | tr '\0' 'a')
code=$(curl -s -o /dev/null -w '%{http_code}' "http://127.0.0.1:$QUIZD_PORT/play.php?msg=l&username=$long" || true)
[ "$code" != "200" ] || fail "oversized request accepted"
wait $slow
kill -0 $QUIZD_PID || fail "server died"
[ "$(curl -s "http://127.0.0.1:$QUIZD_PORT/play.php?msg=l&$AUTH")" = "1" ] || fail "served after the abuse"
rss=$(awk '/VmRSS/ {print $2}' /proc/$QUIZD_PID/status)
[ "$rss" -lt 100000 ] || fail "memory grew to $rss kB"
! grep -q 's3%20nh' "$dir/quizd.log" || fail "password in the log"
echo "wire: ok"
