# A PostgreSQL of the test's own: Debian's server on a fresh data folder inside the test's folder, a free
# port on 127.0.0.1 and its socket beside the data. PostgreSQL refuses to run as root, so as root it runs
# as "nobody". postgres_start sets PG_URL; postgres_restart stops it and starts it again on the same
# port; postgres_stop ends it (the caller's trap calls it).

# postgres_available: 0 when initdb and pg_ctl are installed; sets PG_BIN.
postgres_available() {
  PG_BIN=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
  [ -n "$PG_BIN" ] && [ -x "$PG_BIN/initdb" ] && return 0
  PG_BIN=$(dirname "$(command -v initdb 2>/dev/null || echo /nonexistent/initdb)")
  [ -x "$PG_BIN/initdb" ] && [ -x "$PG_BIN/pg_ctl" ]
}

as_postgres_user() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u nobody -- "$@"; else "$@"; fi
}

# postgres_start DIR: a new cluster in DIR/pg.
postgres_start() {
  PG_DIR="$1/pg"
  mkdir -p "$PG_DIR"
  if [ "$(id -u)" -eq 0 ]; then
    chmod o+x "$1"
    chown nobody "$PG_DIR"
  fi
  as_postgres_user "$PG_BIN/initdb" -D "$PG_DIR/data" -A trust -U quizd --no-locale -E UTF8 >"$PG_DIR/initdb.log" 2>&1 \
    || { cat "$PG_DIR/initdb.log" >&2; return 1; }
  PG_PORT=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  postgres_up
  PG_URL="postgresql://quizd@127.0.0.1:$PG_PORT/postgres"
}

postgres_up() {
  as_postgres_user "$PG_BIN/pg_ctl" -D "$PG_DIR/data" -l "$PG_DIR/server.log" -w -t 60 \
    -o "-p $PG_PORT -k $PG_DIR -c listen_addresses=127.0.0.1" start >/dev/null \
    || { cat "$PG_DIR/server.log" >&2; return 1; }
}

# postgres_restart: a fast stop (every connection cut, as in a crash of the clients' side) and a start.
postgres_restart() {
  as_postgres_user "$PG_BIN/pg_ctl" -D "$PG_DIR/data" -m fast -w stop >/dev/null
  postgres_up
}

# postgres_query SQL: the rows, one a line, fields joined by "|".
postgres_query() {
  "$PG_BIN/psql" -qAt "$PG_URL" -c "$1"
}

postgres_stop() {
  [ -n "${PG_DIR:-}" ] && [ -d "$PG_DIR/data" ] || return 0
  as_postgres_user "$PG_BIN/pg_ctl" -D "$PG_DIR/data" -m immediate -w stop >/dev/null 2>&1 || true
}
