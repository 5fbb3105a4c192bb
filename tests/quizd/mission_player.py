# Plays one student's mission against quizd as the game reports it: log-on, then one msg=e request per
# event (the stage entered, the life after a blow, a capture, the victory, the end), questions fetched
# and answered along the way, each request in the game's own bytes. Stands in for the game in the class
# view test; it enters each next stage once the class page has shown the last one (the watcher writes
# what it saw, one line each, to SEEN). Usage: mission_player.py PORT USER PASSWORD SEEN
import socket
import sys
import time

port, user, password, seen = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]

STAGES = [(1, "enfrentando o primeiro robô"), (2, "indo ao computador"), (10, "abrindo o pátio leste"),
          (20, "voltando ao computador"), (30, "procurando o pen drive"), (41, "instalando o software"),
          (100, "ajustando a antena"), (180, "levando o certificado ao computador"), (200, "missão cumprida")]
started = time.monotonic()


def encode(text):
    # As the game does: Windows-1252 bytes; letters, digits and ~!*()' kept, every other byte as %hh.
    kept = b"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz~!*()'"
    return "".join(chr(b) if b in kept else "%%%02x" % b for b in text.encode("cp1252"))


def request(msg, rest=""):
    line = "GET /play.php?msg=%s&username=%s&password=%s%s HTTP/1.0\nHost: quiz\n\n" % (
        msg, encode(user), encode(password), rest)
    with socket.create_connection(("127.0.0.1", port), timeout=10) as s:
        s.sendall(line.encode("ascii"))
        reply = b""
        while True:
            chunk = s.recv(4096)
            if not chunk:
                break
            reply += chunk
    body = reply.split(b"\r\n\r\n", 1)[-1].decode("cp1252")
    print("msg=%s%s -> %s" % (msg, rest, body[:40].replace("\t", " ")), flush=True)
    return body


def event(kind, stage, title, life):
    seconds = int(time.monotonic() - started)
    request("e", "&event=%s&stage=%d&title=%s&life=%d&time=%d" % (kind, stage, encode(title), life, seconds))


def shown(title):
    deadline = time.monotonic() + 60  # an upper bound for a loaded machine
    while True:
        try:
            with open(seen, encoding="utf-8") as f:
                if any(title in line for line in f):
                    return
        except FileNotFoundError:
            pass
        if time.monotonic() > deadline:
            sys.exit("the class page never showed the stage " + title)
        time.sleep(0.1)


def answer():
    question = request("p")
    request("r", "&id=%s&resposta=0" % question[1:5])


request("l")
life = 100
for number, title in STAGES:
    event("stage", number, title, life)
    shown(title)
    if number in (2, 20, 100):
        answer()
    if number == 30:
        life = 40
        event("life", number, title, life)
        event("capture", number, title, life)
        life = 100
event("victory", STAGES[-1][0], STAGES[-1][1], life)
event("end", STAGES[-1][0], STAGES[-1][1], life)
