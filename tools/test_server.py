#!/usr/bin/env python3
"""A bounded HTTP server on a loopback address of its own, for tests of the online services.

It serves a folder laid out as the program's server paths ("/premium/2005b/dwn/update.ini",
"/premium/2005b/skins/oskins.ini", ...) on port 80 of a free address 127.x.y.z picked at random
(other tests may run servers at the same time; a bind failure picks another address), and
appends every request it receives, one line each, to a log:

    GET /premium/2005b/dwn/update.ini
    GET /formmailer_brelkp.php?sendername=...      (path and query exactly as received)

Backslashes in a path (sent as they are or as %5C) count as "/". "/formmailer_brelkp.php"
answers 200 "OK" unless a rule says otherwise.

Rules, read for every request from the file "_behaviour" in the served folder, one per line:

    PATH slow [SECONDS]   the body in ten pieces spread over SECONDS (default 5)
    PATH break            half of the body, then the connection is closed
    PATH nolength         no Content-Length; the end of the body is the end of the connection
    PATH endless          no Content-Length and a body that never ends (until the lifetime)
    PATH huge [MB]        a body of MB megabytes (default 64) with its length, sent at once
                          (these two answer whether or not the file exists)
    PATH chunked          the body in eight chunks and the terminating chunk (HTTP/1.1)
    PATH chunkcut         the first two of those chunks, then a clean close: cut on a chunk
                          boundary, without the terminating chunk
    PATH chunktorn        two chunks and half of the third, then a clean close
    PATH chunkendless     chunks without end (whether or not the file exists)
    PATH silent           the request is read and never answered
    PATH 404 [MB] | PATH 500 [MB]   that answer; with MB, announcing and sending a body of MB
                          megabytes

Three more addresses are reported for fallback tests: a dead one (nothing listens there, a
connect is refused at once), a silent one (a full listen queue: a connect hangs until the
caller gives up) and a mute one (it accepts every connection and never answers).

Run a command while serving (the server stops when it ends; its exit code is returned):

    python3 tools/test_server.py [--root DIR] [--log FILE] [--lifetime S] -- COMMAND ARGS...

The command gets BRELK_TEST_SERVER (the address), BRELK_TEST_SERVER_ROOT (the folder, a
temporary one unless --root is given), BRELK_TEST_SERVER_LOG (the request log),
BRELK_TEST_DEAD_SERVER, BRELK_TEST_SILENT_SERVER and BRELK_TEST_MUTE_SERVER. Or serve in the background for a script:

    python3 tools/test_server.py --root DIR --env-file FILE &   # FILE gets the same variables
                                                                # as shell assignments
    ... . FILE; test against $BRELK_TEST_SERVER ...; kill $!

Either way the server ends by itself after --lifetime seconds (default 600); a command still
running then is ended too. Loopback only: nothing else is ever bound or contacted.
"""

import argparse
import http.server
import os
import random
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse

FORM_MAILER = "/formmailer_brelkp.php"


def random_loopback():
    return "127.%d.%d.%d" % (random.randint(1, 254), random.randint(0, 255), random.randint(2, 254))


def read_rules(root):
    rules = {}
    try:
        with open(os.path.join(root, "_behaviour"), encoding="utf-8") as f:
            for line in f:
                parts = line.split()
                if len(parts) >= 2:
                    rules[normalise(parts[0])] = parts[1:]
    except OSError:
        pass
    return rules


def normalise(path):
    path = urllib.parse.unquote(path.split("?", 1)[0])
    return path.replace("\\", "/")


class Handler(http.server.BaseHTTPRequestHandler):
    server_version = "BrelkTestServer/1"

    def log_message(self, *args):
        pass

    def do_GET(self):
        with self.server.log_lock, open(self.server.log_path, "a", encoding="latin-1") as log:
            log.write("GET %s\n" % self.path)
        path = normalise(self.path)
        rule = self.server.rules().get(path, [])
        if rule and rule[0] == "silent":
            self.server.stopping.wait()
            return
        if rule and rule[0] in ("404", "500"):
            if len(rule) > 1:
                self.huge(int(rule[0]), int(rule[1]))
            else:
                self.send_error(int(rule[0]))
            return
        if rule and rule[0] == "chunkendless":
            self.chunks(b"", rule[0])
            return
        if path == FORM_MAILER or (rule and rule[0] in ("endless", "huge")):
            self.answer(b"OK", rule)
            return
        file = os.path.realpath(os.path.join(self.server.root, path.lstrip("/")))
        if not file.startswith(self.server.root + os.sep) or not os.path.isfile(file):
            self.send_error(404)
            return
        with open(file, "rb") as f:
            body = f.read()
        if rule and rule[0].startswith("chunk"):
            self.chunks(body, rule[0])
        else:
            self.answer(body, rule)

    def huge(self, status, megabytes):
        self.send_response(status)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(megabytes << 20))
        self.end_headers()
        piece = b"h" * (1 << 20)
        try:
            for _ in range(megabytes):
                self.wfile.write(piece)
        except OSError:
            pass

    def chunks(self, body, kind):
        self.protocol_version = "HTTP/1.1"
        self.close_connection = True
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Transfer-Encoding", "chunked")
        self.send_header("Connection", "close")
        self.end_headers()
        try:
            if kind == "chunkendless":
                piece = b"x" * 65536
                while not self.server.stopping.is_set():
                    self.wfile.write(b"%X\r\n%s\r\n" % (len(piece), piece))
                    self.wfile.flush()
                    time.sleep(0.01)
                return
            size = max(1, (len(body) + 7) // 8)
            pieces = [body[i : i + size] for i in range(0, len(body), size)]
            if kind == "chunkcut":
                pieces = pieces[:2]
            elif kind == "chunktorn":
                third = pieces[2] if len(pieces) > 2 else b"x" * 2
                pieces = pieces[:2]
            for p in pieces:
                self.wfile.write(b"%X\r\n%s\r\n" % (len(p), p))
            if kind == "chunktorn":
                self.wfile.write(b"%X\r\n%s" % (len(third), third[: len(third) // 2]))
            if kind == "chunked":
                self.wfile.write(b"0\r\n\r\n")
            self.wfile.flush()
            if kind != "chunked":
                self.connection.shutdown(socket.SHUT_WR)
        except OSError:
            pass

    def answer(self, body, rule):
        kind = rule[0] if rule else ""
        if kind == "huge":
            self.huge(200, int(rule[1]) if len(rule) > 1 else 64)
            return
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Cache-Control", "no-cache")
        if kind not in ("nolength", "endless"):
            self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if kind == "break":
            self.wfile.write(body[: len(body) // 2])
            self.wfile.flush()
            self.connection.shutdown(socket.SHUT_RDWR)
            self.close_connection = True
        elif kind == "endless":
            piece = b"x" * 65536
            try:
                while not self.server.stopping.is_set():
                    self.wfile.write(piece)
                    self.wfile.flush()
                    time.sleep(0.01)
            except OSError:
                pass
        elif kind == "slow":
            seconds = float(rule[1]) if len(rule) > 1 else 5.0
            piece = max(1, (len(body) + 9) // 10)
            for start in range(0, len(body), piece):
                self.wfile.write(body[start : start + piece])
                self.wfile.flush()
                time.sleep(seconds / 10)
        else:
            self.wfile.write(body)


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = False

    def __init__(self, address, root, log_path):
        super().__init__((address, 80), Handler)
        self.root = os.path.realpath(root)
        self.log_path = log_path
        self.log_lock = threading.Lock()
        self.stopping = threading.Event()

    def rules(self):
        return read_rules(self.root)


def bind_server(root, log_path):
    for _ in range(50):
        try:
            return Server(random_loopback(), root, log_path)
        except OSError:
            continue
    raise SystemExit("test_server: no free loopback address found")


def dead_address():
    """An address where a connect on port 80 is refused."""
    for _ in range(50):
        address = random_loopback()
        probe = socket.socket()
        probe.settimeout(1)
        try:
            probe.connect((address, 80))
        except ConnectionRefusedError:
            return address
        except OSError:
            continue
        finally:
            probe.close()
    raise SystemExit("test_server: no dead loopback address found")


def loopback_listener(backlog, what):
    """A socket listening on port 80 of a free loopback address; returns (address, listener)."""
    for _ in range(50):
        address = random_loopback()
        listener = socket.socket()
        try:
            listener.bind((address, 80))
            listener.listen(backlog)
            return address, listener
        except OSError:
            listener.close()
    raise SystemExit(f"test_server: no loopback address for the {what}")


def silent_server():
    """A listener whose queue is full, so that further connects hang; returns (address, keep)."""
    address, listener = loopback_listener(0, "silent server")
    fillers = []
    for _ in range(3):
        s = socket.socket()
        s.setblocking(False)
        try:
            s.connect((address, 80))
        except OSError:  # BlockingIOError included: the connect goes on in the background
            pass
        fillers.append(s)
    return address, [listener] + fillers


def mute_server():
    """A listener that accepts every connection and never answers; returns (address, keep)."""
    address, listener = loopback_listener(16, "mute server")
    held = []

    def accept():
        while True:
            try:
                connection, _ = listener.accept()
            except OSError:
                return
            held.append(connection)

    threading.Thread(target=accept, daemon=True).start()
    return address, [listener]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--root", help="folder to serve (default: a new temporary one)")
    parser.add_argument("--log", help="request log (default: _requests.log beside the folder)")
    parser.add_argument("--lifetime", type=float, default=600.0)
    parser.add_argument("--env-file", help="write the variables here and serve in the background")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command

    temporary = None
    root = args.root
    if not root:
        temporary = tempfile.mkdtemp(prefix="brelk-server-")
        root = os.path.join(temporary, "www")
    os.makedirs(root, exist_ok=True)
    root = os.path.realpath(root)
    log_path = os.path.realpath(args.log or os.path.join(os.path.dirname(root), "_requests.log"))
    open(log_path, "a").close()

    server = bind_server(root, log_path)
    dead = dead_address()
    silent, keep = silent_server()
    mute, keep_mute = mute_server()
    keep += keep_mute
    variables = {
        "BRELK_TEST_SERVER": server.server_address[0],
        "BRELK_TEST_SERVER_ROOT": root,
        "BRELK_TEST_SERVER_LOG": log_path,
        "BRELK_TEST_DEAD_SERVER": dead,
        "BRELK_TEST_SILENT_SERVER": silent,
        "BRELK_TEST_MUTE_SERVER": mute,
    }
    threading.Thread(target=server.serve_forever, daemon=True).start()
    deadline = time.monotonic() + args.lifetime
    code = 0
    try:
        if command:
            child = subprocess.Popen(command, env=dict(os.environ, **variables))
            while child.poll() is None and time.monotonic() < deadline:
                time.sleep(0.2)
            if child.poll() is None:
                print("test_server: lifetime over, ending the command", file=sys.stderr)
                child.terminate()
                try:
                    child.wait(10)
                except subprocess.TimeoutExpired:
                    child.kill()
                code = 124
            else:
                code = child.returncode
        else:
            text = "".join("%s=%s\n" % item for item in variables.items())
            if args.env_file:
                with open(args.env_file + ".tmp", "w") as f:
                    f.write(text)
                os.replace(args.env_file + ".tmp", args.env_file)
            else:
                sys.stdout.write(text)
                sys.stdout.flush()
            stop = threading.Event()
            signal.signal(signal.SIGTERM, lambda *_: stop.set())
            signal.signal(signal.SIGINT, lambda *_: stop.set())
            stop.wait(max(0.0, deadline - time.monotonic()))
    finally:
        server.stopping.set()
        server.shutdown()
        server.server_close()
        for s in keep:
            s.close()
        if temporary:
            shutil.rmtree(temporary, ignore_errors=True)
    return code


if __name__ == "__main__":
    sys.exit(main())
