# Helpers for the tests that run the real quizd: a database with the sample bank and a demo user, a
# server on a free local port, and raw exchanges over bash's /dev/tcp.

source "$SATLINK_SOURCE_DIR/tests/support/wait.bash"

QUIZD="$SATLINK_BUILD_DIR/quizd"
SAMPLE_BANK="$SATLINK_SOURCE_DIR/quizd/sample/satlink.gift"

# quizd_workdir: a fresh folder in $dir, removed (and any quizd started killed) when the test ends.
quizd_workdir() {
  dir=$(mktemp -d)
  trap 'kill -9 ${QUIZD_PID:-} 2>/dev/null || true; rm -rf "$dir"' EXIT
}

# quizd_prepare DIR: DIR/quiz.db with the sample bank and user "ana" / password "s3 nh&a".
quizd_prepare() {
  "$QUIZD" init "$1/quiz.db" >/dev/null
  "$QUIZD" import "$1/quiz.db" "$SAMPLE_BANK" >/dev/null
  "$QUIZD" adduser "$1/quiz.db" ana 's3 nh&a' >/dev/null
}

# quizd_start DIR: serves DIR/quiz.db; sets QUIZD_PID and QUIZD_PORT; the log goes to DIR/quizd.log.
quizd_start() {
  rm -f "$1/port"
  "$QUIZD" serve "$1/quiz.db" --address 127.0.0.1 --port 0 --port-file "$1/port" >>"$1/quizd.out" 2>>"$1/quizd.log" &
  QUIZD_PID=$!
  wait_for_file "$1/port" 30
  QUIZD_PORT=$(cat "$1/port")
}

AUTH='username=ana&password=s3%20nh%26a'
AUTH_RAW='username=ana&password=s3%%20nh%%26a' # the same inside raw_exchange's printf format

# raw_exchange BYTES: sends the bytes (printf format) as they are and prints the whole reply.
raw_exchange() {
  exec 3<>"/dev/tcp/127.0.0.1/$QUIZD_PORT"
  printf "$1" >&3
  timeout 15 cat <&3
  exec 3<&-
}

# body_of: the reply body on stdin, after the first empty line.
body_of() { sed '1,/^\r$/d'; }

fail() { echo "FAIL: $*" >&2; exit 1; }
