# Waiting on a condition, never for a fixed time: the test scripts wait for a log line, a port file, a
# window or a picture. A timeout is a generous upper bound for a loaded machine, not how long the thing
# takes; reaching it fails the test (through the sourcing script's fail) with what was awaited.

# wait_until TIMEOUT WHAT COMMAND...: runs the command again and again until it holds.
wait_until() {
  local timeout=$1 what=$2
  local deadline=$((SECONDS + timeout))
  shift 2
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "$what (waited ${timeout} s)"
    sleep 0.1
  done
}

# has_line FILE REGEX: whether a line of the file (extended regex) matches; a missing file has none.
has_line() {
  grep -qE -- "$2" "$1" 2>/dev/null
}

# wait_for_line FILE REGEX TIMEOUT: waits until a line of the file matches.
wait_for_line() {
  wait_until "$3" "$1 never had a line matching '$2'" has_line "$1" "$2"
}

# count_lines FILE LINE: how many lines of the file are exactly LINE.
count_lines() {
  local n
  n=$(grep -cxF -- "$2" "$1" 2>/dev/null) || true
  echo "${n:-0}"
}

# wait_for_count FILE LINE N TIMEOUT: waits until the file holds the line at least N times.
wait_for_count() {
  wait_until "$4" "$1 never had the line '$2' $3 times" count_at_least "$1" "$2" "$3"
}

count_at_least() {
  [ "$(count_lines "$1" "$2")" -ge "$3" ]
}

# wait_for_file FILE TIMEOUT: waits until the file is there and not empty (a server's port file).
wait_for_file() {
  wait_until "$2" "$1 never came" test -s "$1"
}

# wait_gone PID TIMEOUT WHAT: waits until the process has ended.
wait_gone() {
  wait_until "$2" "$3" process_gone "$1"
}

process_gone() {
  ! kill -0 "$1" 2>/dev/null
}
