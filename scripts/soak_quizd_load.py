#!/usr/bin/env python3
"""Load for scripts/soak-quizd: one good client plays (log-on, question, answer) and reads the teacher's
pages from 127.0.0.1, while garbage senders (malformed, cut-short and random requests, wrong passwords)
and slow clients (one byte a second) hit the server from other loopback addresses.

Prints the server's resident memory every SAMPLE seconds as a table row, then a summary. Exits 1 when a
good request failed or the server died. The last line, "answers acknowledged: N", lets the caller check
the database holds every answer the server said it stored."""
import argparse
import random
import re
import socket
import sys
import threading
import time

STUDENT = "username=ana&password=s3%20nh%26a"
TEACHER_FORM = b"usuario=prof&senha=segredo"


def exchange(port, data, source="127.0.0.1", timeout=10.0, shut=True):
    """Sends the bytes on a new connection and returns the whole reply (b"" when refused or cut)."""
    with socket.socket() as s:
        s.settimeout(timeout)
        s.bind((source, 0))
        s.connect(("127.0.0.1", port))
        s.sendall(data)
        if shut:
            s.shutdown(socket.SHUT_WR)
        reply = b""
        while chunk := s.recv(65536):
            reply += chunk
        return reply


def split(reply):
    """(status, headers as text, body bytes); status 0 when the reply is not HTTP."""
    head, _, body = reply.partition(b"\r\n\r\n")
    match = re.match(rb"HTTP/1\.[01] (\d{3})", head)
    return (int(match.group(1)) if match else 0), head.decode("latin-1"), body


def get(target, cookie=""):
    extra = "Cookie: quizd_sessao=%s\r\n" % cookie if cookie else ""
    return ("GET %s HTTP/1.0\r\nHost: quiz\r\n%s\r\n" % (target, extra)).encode()


def post(target, body, cookie=""):
    extra = "Cookie: quizd_sessao=%s\r\n" % cookie if cookie else ""
    return ("POST %s HTTP/1.0\r\nHost: quiz\r\nContent-Type: application/x-www-form-urlencoded\r\n"
            "Content-Length: %d\r\n%s\r\n" % (target, len(body), extra)).encode() + body


class Tally:
    def __init__(self):
        self.lock = threading.Lock()
        self.counts = {"good": 0, "garbage": 0, "slow": 0, "failed": 0, "acked": 0}
        self.failures = []

    def add(self, key, n=1):
        with self.lock:
            self.counts[key] += n

    def fail(self, what):
        with self.lock:
            self.counts["failed"] += 1
            if len(self.failures) < 10:
                self.failures.append(what)


class GoodClient:
    """A student playing and a teacher watching; every reply is checked."""

    def __init__(self, port, tally):
        self.port, self.tally = port, tally
        self.cookie, self.token = "", ""

    def expect(self, what, data, check):
        try:
            status, head, body = split(exchange(self.port, data))
        except OSError as e:
            self.tally.fail("%s: %s" % (what, e))
            return None
        if not check(status, body):
            self.tally.fail("%s: %d %r" % (what, status, body[:120]))
            return None
        self.tally.add("good")
        return head, body

    def play(self):
        self.expect("log-on", get("/play.php?msg=l&" + STUDENT), lambda s, b: s == 200 and b == b"1")
        question = self.expect("question", get("/play.php?msg=p&" + STUDENT),
                               lambda s, b: s == 200 and b[:1] in b"1234" and b[1:5].isdigit() and
                               b[1:5] != b"0000")
        if not question:
            return
        qid = question[1][1:5].decode()
        if self.expect("answer", get("/play.php?msg=r&%s&id=%s&resposta=0" % (STUDENT, qid)),
                       lambda s, b: s == 200 and b in (b"0", b"1")):
            self.tally.add("acked")

    def log_on_teacher(self):
        reply = self.expect("teacher log-on", post("/entrar", TEACHER_FORM), lambda s, b: s == 303)
        match = reply and re.search(r"quizd_sessao=([^;\r\n]+)", reply[0])
        if not match:
            self.tally.fail("teacher log-on: no session cookie")
            return
        self.cookie = match.group(1)
        page = self.expect("teacher page /", get("/", self.cookie), lambda s, b: s == 200)
        token = page and re.search(rb'name="token" value="([^"]+)"', page[1])
        self.token = token.group(1).decode() if token else ""

    def log_off_teacher(self):
        self.expect("teacher log-off", post("/sair", b"token=" + self.token.encode(), self.cookie),
                    lambda s, b: s == 303)
        self.cookie = ""

    def watch(self):
        for page in ("/", "/questoes", "/gerenciar", "/aluno?id=1", "/resultados.csv"):
            self.expect("teacher page " + page, get(page, self.cookie), lambda s, b: s == 200 and b)

    def run(self, stop):
        cycle = 0
        while not stop.is_set():
            self.play()
            cycle += 1
            if cycle % 10 == 0:
                self.watch()
            if cycle % 200 == 0:
                self.log_off_teacher()
                self.log_on_teacher()
            stop.wait(0.02)


def random_bytes(rng):
    return bytes(rng.getrandbits(8) for _ in range(rng.randint(1, 4000)))


def garbage_requests(rng):
    """One malformed, hostile or cut-short request; the server may answer anything but must live on."""
    good = get("/play.php?msg=p&" + STUDENT)
    name = "".join(rng.choice("abcdefghij%&=+?\x01\xff") for _ in range(rng.randint(1, 40)))
    choices = [
        lambda: random_bytes(rng),
        lambda: good[:rng.randint(1, len(good) - 1)],
        lambda: b"GET\r\n\r\n",
        lambda: b"BREW /play.php HTTP/9.9\r\n\r\n",
        lambda: b"GET /play.php?msg=%zz&username=%G0 HTTP/1.0\r\n\r\n",
        lambda: b"GET /play.php?msg=l HTTP/1.0\r\nNo colon here\r\n\r\n",
        lambda: b"GET /play.php?msg=l\x00\x01 HTTP/1.0\r\n\r\n",
        lambda: b"GET / HTTP/1.0\r\nX-Big: " + b"a" * 100000 + b"\r\n\r\n",
        lambda: b"GET / HTTP/1.0\r\n" + b"X-A: b\r\n" * 2000 + b"\r\n",
        lambda: get("/play.php?msg=l&username=ana&password=wrong%d" % rng.randint(0, 9)),
        lambda: get("/play.php?msg=l&username=%s&password=x" % name),
        lambda: get("/play.php?msg=%s&%s" % (rng.choice(["x", "", "pp", "r", "n"]), STUDENT)),
        lambda: get("/play.php?msg=p&id=%s&%s" % (rng.choice(["99999", "-1", "abc", "0", "1e9"]), STUDENT)),
        lambda: get("/play.php?msg=r&id=%s&resposta=%s&%s" % (rng.choice(["", "x", "99999"]), name, STUDENT)),
        lambda: get("/play.php?" + "&".join("k%d=v" % i for i in range(rng.randint(1, 3000)))),
        lambda: get("/%s" % name),
        lambda: get("/aluno?id=1", "forged" + name),
        lambda: post("/entrar", b"usuario=coord&senha=" + name.encode()),
        lambda: post("/entrar", b"usuario=%ff%&&&==senha"),
        lambda: post("/importar", b"token=x&arquivo=" + random_bytes(rng), "forged"),
        lambda: b"POST /entrar HTTP/1.0\r\nContent-Length: 1000000000000\r\n\r\nusuario=",
        lambda: b"POST /entrar HTTP/1.0\r\nContent-Length: 500\r\n\r\nusuario=prof",
        lambda: b"POST /entrar HTTP/1.1\r\nHost: q\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nxx\r\n",
        lambda: b"POST /turma HTTP/1.0\r\nContent-Type: multipart/form-data; boundary=\r\nContent-Length: 9\r\n\r\n--\r\n--\r\n\r\n",
        lambda: b"DELETE /play.php HTTP/1.0\r\n\r\n",
    ]
    return rng.choice(choices)()


def garbage(port, tally, stop, seed, sources):
    rng = random.Random(seed)
    while not stop.is_set():
        data = garbage_requests(rng)
        try:
            exchange(port, data, rng.choice(sources), timeout=5, shut=rng.random() < 0.7)
        except OSError:
            pass  # refused, reset or timed out: all fair answers to garbage
        tally.add("garbage")
        stop.wait(0.01)


def slow(port, tally, stop, count, source):
    """count connections each sending a good request one byte a second, reconnecting when shed."""
    request = get("/play.php?msg=l&" + STUDENT)

    def connect():
        s = socket.socket()
        s.setblocking(False)
        s.bind((source, 0))
        try:
            s.connect(("127.0.0.1", port))
        except BlockingIOError:
            pass
        return [s, 0]

    conns = [connect() for _ in range(count)]
    while not stop.is_set():
        for c in conns:
            try:
                if c[1] < len(request):
                    c[0].send(request[c[1]:c[1] + 1])
                    c[1] += 1
                else:
                    c[0].recv(4096, socket.MSG_DONTWAIT)
                    raise OSError("done")
            except (BlockingIOError, InterruptedError):
                pass
            except OSError:
                c[0].close()
                c[:] = connect()
                tally.add("slow")
        stop.wait(1)
    for c in conns:
        c[0].close()


def rss_kb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--seconds", type=float, default=600)
    parser.add_argument("--sample", type=float, default=30)
    parser.add_argument("--slow", type=int, default=50)
    args = parser.parse_args()

    tally = Tally()
    stop = threading.Event()
    good = GoodClient(args.port, tally)
    good.log_on_teacher()
    threads = [threading.Thread(target=good.run, args=(stop,))]
    threads += [threading.Thread(target=garbage, args=(args.port, tally, stop, seed,
                                                         ["127.0.0.%d" % (2 + seed * 4 + k) for k in range(4)]))
                for seed in range(4)]
    threads.append(threading.Thread(target=slow, args=(args.port, tally, stop, args.slow, "127.0.0.20")))
    for t in threads:
        t.start()

    print("%8s %10s %8s %9s %7s %7s" % ("seconds", "RSS kB", "good", "garbage", "slow", "failed"))
    start = time.monotonic()
    alive = True
    samples = []
    while True:
        elapsed = time.monotonic() - start
        try:
            samples.append(rss_kb(args.pid))
        except OSError:
            alive = False
            break
        c = tally.counts
        print("%8.0f %10d %8d %9d %7d %7d" % (elapsed, samples[-1], c["good"], c["garbage"], c["slow"],
                                             c["failed"]), flush=True)
        if elapsed >= args.seconds:
            break
        time.sleep(min(args.sample, max(0.1, args.seconds - elapsed)))
    stop.set()
    for t in threads:
        t.join()

    if len(samples) >= 3:
        print("RSS: %d kB at the second sample, %d kB at the end (%+d kB)" %
              (samples[1], samples[-1], samples[-1] - samples[1]))
    for f in tally.failures:
        print("failed: " + f)
    if not alive:
        print("the server died")
    print("answers acknowledged: %d" % tally.counts["acked"])
    return 0 if alive and tally.counts["failed"] == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
