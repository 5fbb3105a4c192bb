# Stands in for a quiz server that does not know the game's event reports: in front of quizd, it answers
# msg=e with quizd's notice for an unknown message and passes every other request through, byte for byte.
# Prints "refused msg=e" for each report it turns away. Usage: old_quizd.py QUIZD_PORT PORT_FILE
import os
import socket
import sys
import threading

quizd_port, port_file = int(sys.argv[1]), sys.argv[2]
NOTICE = b"HTTP/1.0 400 Bad Request\r\nContent-Type: text/plain\r\n\r\n0\tPedido invalido: msg deve ser l, p, r ou n"


def read_request(peer):
    request = b""
    while b"\n\n" not in request and b"\r\n\r\n" not in request:
        chunk = peer.recv(4096)
        if not chunk:
            break
        request += chunk
    return request


def serve(peer):
    with peer:
        request = read_request(peer)
        if request.startswith(b"GET /play.php?msg=e&"):
            peer.sendall(NOTICE)
            print("refused msg=e", flush=True)
            return
        with socket.create_connection(("127.0.0.1", quizd_port)) as quizd:
            quizd.sendall(request)
            while True:
                chunk = quizd.recv(4096)
                if not chunk:
                    break
                peer.sendall(chunk)


listener = socket.create_server(("127.0.0.1", 0))
with open(port_file + ".tmp", "w") as f:
    f.write(str(listener.getsockname()[1]))
os.rename(port_file + ".tmp", port_file)
while True:
    peer, _ = listener.accept()
    threading.Thread(target=serve, args=(peer,), daemon=True).start()
