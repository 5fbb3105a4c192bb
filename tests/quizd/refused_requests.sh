# Thousands of requests the server's HTTP library refuses by itself (a query of a thousand parameters
# does not fit in its memory for one request) or that end inside their headers: the server keeps nothing
# of them, so its memory does not grow with their number.
set -euo pipefail
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
quizd_workdir
quizd_prepare "$dir"
quizd_start "$dir"
python3 - "$QUIZD_PORT" "$QUIZD_PID" <<'PY'
import os, socket, sys, time

port, pid = int(sys.argv[1]), int(sys.argv[2])
many = ("GET /play.php?" + "&".join("k%d=v" % i for i in range(1000)) + " HTTP/1.0\r\n\r\n").encode()
cut = b"GET /play.php?msg=l&username=" + b"a" * 7000 + b" HTTP/1.0\r\nHost: quiz\r\nX-Cut: sh"

def rss_kb():
    with open("/proc/%d/status" % pid) as f:
        return next(int(l.split()[1]) for l in f if l.startswith("VmRSS:"))

def open_files():
    return len(os.listdir("/proc/%d/fd" % pid))

def burst(n):
    before = open_files()
    for k in range(n):
        with socket.create_connection(("127.0.0.1", port)) as s:
            s.sendall(many if k % 2 else cut)
    # The server has let go of the last ones once its open files are back to their number before.
    deadline = time.monotonic() + 60
    while open_files() > before:
        assert time.monotonic() < deadline, "the server holds %d files more" % (open_files() - before)
        time.sleep(0.1)

burst(2000)  # the allocator's arenas grow to their working size first
before = rss_kb()
burst(8000)
grown = rss_kb() - before
print("memory after 8,000 refused or cut requests: %+d kB" % grown)
assert grown < 16000, "each refused or cut request left its request line behind"
PY
kill -0 $QUIZD_PID || fail "server died"
[ "$(curl -s "http://127.0.0.1:$QUIZD_PORT/play.php?msg=l&$AUTH")" = "1" ] || fail "served after them"
echo "refused requests: ok"
