# 4,096 connections from 16 loopback addresses, each sending one byte a second: a normal client still
# gets its question within a second. Prints the loaded time as a ratio to the unloaded one.
set -euo pipefail
source "$SATLINK_SOURCE_DIR/tests/support/quizd.bash"
quizd_workdir
quizd_prepare "$dir"
quizd_start "$dir"
python3 - "$QUIZD_PORT" <<'PY'
import resource, socket, statistics, sys, threading, time

port = int(sys.argv[1])
soft, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
resource.setrlimit(resource.RLIMIT_NOFILE, (hard, hard))
url = "/play.php?msg=p&username=ana&password=s3%20nh%26a"

def fetch():
    start = time.monotonic()
    with socket.create_connection(("127.0.0.1", port), timeout=5) as s:
        s.sendall(("GET " + url + " HTTP/1.0\nHost: quiz\n\n").encode())
        reply = b""
        while chunk := s.recv(4096):
            reply += chunk
    body = reply.split(b"\r\n\r\n", 1)[-1]
    assert body[:1] in b"1234" and body[1:5] != b"0000", reply[:200]
    return time.monotonic() - start

unloaded = [fetch() for _ in range(20)]

stop = threading.Event()
held = []
def connect(address):
    s = socket.socket()
    s.setblocking(False)
    s.bind((address, 0))
    try:
        s.connect(("127.0.0.1", port))
    except BlockingIOError:
        pass
    return [s, address, 0]

def flood():
    request = b"GET /play.php?msg=l&username=x HTTP/1.0\n"
    conns = [connect("127.0.0.%d" % (2 + k % 16)) for k in range(4096)]
    while not stop.is_set():
        open_now = 0
        for c in conns:
            try:
                c[0].send(request[c[2] % len(request):][:1])
                c[2] += 1
                open_now += 1
            except OSError:  # shed or refused: the attacker comes straight back
                c[0].close()
                c[:] = connect(c[1])
        held.append(open_now)
        stop.wait(1)
    for c in conns:
        c[0].close()

attacker = threading.Thread(target=flood)
attacker.start()
time.sleep(3)
loaded = []
for _ in range(20):
    loaded.append(fetch())
    time.sleep(0.2)
stop.set()
attacker.join()
print("slow connections held open: %s" % held)
ratio = statistics.median(loaded) / statistics.median(unloaded)
print("question fetch: %.2f ms unloaded, %.2f ms (worst %.2f ms) beside the flood: %.1f times"
      % (statistics.median(unloaded) * 1e3, statistics.median(loaded) * 1e3, max(loaded) * 1e3, ratio))
assert max(held) >= 3000, "the flood never got going"
assert max(loaded) < 1.0, "a question took more than a second beside the flood"
PY
kill -0 $QUIZD_PID || fail "server died"
echo "slow flood: ok"
