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
  quizd_prepare_db "$1/quiz.db"
}

# quizd_prepare_db DATABASE: the same in a database named as quizd's commands take it (a file or a URL).
quizd_prepare_db() {
  "$QUIZD" init "$1" >/dev/null
  "$QUIZD" import "$1" "$SAMPLE_BANK" >/dev/null
  "$QUIZD" adduser "$1" ana 's3 nh&a' >/dev/null
}

# quizd_start DIR [DATABASE]: serves DIR/quiz.db, or the database given; sets QUIZD_PID and QUIZD_PORT;
# the port file and the log (quizd.log) go to DIR.
quizd_start() {
  rm -f "$1/port"
  "$QUIZD" serve "${2:-$1/quiz.db}" --address 127.0.0.1 --port 0 --port-file "$1/port" >>"$1/quizd.out" 2>>"$1/quizd.log" &
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

# teacher_sign_in PORT: the teacher "prof" / "segredo" signs in on that server; the session's cookie is
# kept in $dir/cookies for teacher_page.
teacher_sign_in() {
  curl -sf -c "$dir/cookies" -d 'usuario=prof&senha=segredo' "http://127.0.0.1:$1/entrar" >/dev/null ||
    fail "the teacher could not sign in on port $1"
}

# teacher_page PORT PATH: the page (or the results CSV) as the signed-in teacher gets it from that server.
teacher_page() {
  curl -sf -b "$dir/cookies" "http://127.0.0.1:$1$2" || fail "no page $2 from port $1"
}

# body_of: the reply body on stdin, after the first empty line.
body_of() { sed '1,/^\r$/d'; }

fail() { echo "FAIL: $*" >&2; exit 1; }
