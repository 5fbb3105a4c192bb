# 4,096 connections from 16 loopback addresses, each sending one byte a second: a normal client still
# gets its question while they are held. Prints the loaded time as a ratio to the unloaded one. Then a
# teacher's 1 MB upload at 100 kB/s while the same address keeps opening connections past its share:
# the upload is not the one that gives way.
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
def wait_for(condition, what):
    deadline = time.monotonic() + 60  # an upper bound for a loaded machine
    while not condition():
        assert time.monotonic() < deadline, what + ": %s" % held
        time.sleep(0.1)

# The flood has got going once a round of it held most of its connections open.
wait_for(lambda: held and held[-1] >= 3000, "the flood never got going")
loaded = [fetch() for _ in range(20)]
rounds = len(held)
wait_for(lambda: len(held) > rounds, "the flood stopped")  # a round that ends after the fetches
stop.set()
attacker.join()
print("slow connections held open: %s" % held)
ratio = statistics.median(loaded) / statistics.median(unloaded)
print("question fetch: %.2f ms unloaded, %.2f ms (worst %.2f ms) beside the flood: %.1f times"
      % (statistics.median(unloaded) * 1e3, statistics.median(loaded) * 1e3, max(loaded) * 1e3, ratio))
assert held[-1] >= 3000, "the flood gave way while the questions were fetched: %s" % held
PY
kill -0 $QUIZD_PID || fail "server died"

"$QUIZD" addteacher "$dir/quiz.db" prof segredo >/dev/null
python3 - "$QUIZD_PORT" <<'PY'
import re, socket, sys, threading, time

port = int(sys.argv[1])

def exchange(request):
    with socket.create_connection(("127.0.0.1", port), timeout=10) as s:
        s.sendall(request)
        reply = b""
        while chunk := s.recv(65536):
            reply += chunk
    return reply.decode("utf-8", "replace")

form = b"usuario=prof&senha=segredo"
reply = exchange(b"POST /entrar HTTP/1.0\r\nContent-Type: application/x-www-form-urlencoded\r\n"
                 b"Content-Length: %d\r\n\r\n" % len(form) + form)
session = re.search(r"quizd_sessao=([0-9a-f]+);", reply).group(1)
page = exchange(("GET /gerenciar HTTP/1.0\r\nCookie: quizd_sessao=%s\r\n\r\n" % session).encode())
token = re.search(r'name="token" value="([0-9a-f]+)"', page).group(1)

# A bank of 1 MB: comment lines around one question.
bank = ("// " + "x" * 97 + "\n") * 10000 + "Grande {=sim ~nao}\n"
boundary = "fronteira"
body = ("--%s\r\nContent-Disposition: form-data; name=\"token\"\r\n\r\n%s\r\n"
        "--%s\r\nContent-Disposition: form-data; name=\"arquivo\"; filename=\"grande.gift\"\r\n"
        "Content-Type: text/plain\r\n\r\n%s\r\n--%s--\r\n" % (boundary, token, boundary, bank, boundary)).encode()

stop = threading.Event()
opened = [0]
def churn():
    # Past the address's share of places: every new one makes room from an older one.
    held = []
    while not stop.is_set():
        s = socket.socket()
        s.setblocking(False)
        try:
            s.connect(("127.0.0.1", port))
        except BlockingIOError:
            pass
        held.append(s)
        opened[0] += 1
        if len(held) > 400:
            held.pop(0).close()
        time.sleep(0.002)
    for s in held:
        s.close()

churner = threading.Thread(target=churn)
churner.start()
start = time.monotonic()
try:
    with socket.create_connection(("127.0.0.1", port), timeout=20) as s:
        s.sendall(("POST /importar HTTP/1.0\r\nCookie: quizd_sessao=%s\r\nContent-Type: multipart/form-data; "
                   "boundary=%s\r\nContent-Length: %d\r\n\r\n" % (session, boundary, len(body))).encode())
        for k in range(0, len(body), 10000):  # 100 kB/s
            s.sendall(body[k:k + 10000])
            time.sleep(0.1)
        reply = b""
        while chunk := s.recv(65536):
            reply += chunk
except OSError as e:
    reply = ("cut off: %s" % e).encode()
stop.set()
churner.join()
reply = reply.decode("utf-8", "replace")
print("1 MB upload at 100 kB/s beside %d connections opened from its address: %.1f s, %s"
      % (opened[0], time.monotonic() - start, reply[:12]))
assert opened[0] > 1000, "the churn never got going"
assert reply.startswith("HTTP/1.1 200") and "1 questões novas" in reply, reply[:300]
PY
kill -0 $QUIZD_PID || fail "server died"
echo "slow flood: ok"
