#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
"""reikoboy-peer over loopback: whole games between two peers (IPv4, IPv6, through a proxy
that passes bytes one by one, and through one that cuts the connection so that a second
joiner goes on from the host's board), a scripted hostile client, and a fake host that sends a
board «Открыть...» would refuse.

usage: peer_test.py PEER REPLAY CASE   (exit 0 passed, 1 failed, 77 skipped)
"""
import hashlib
import socket
import subprocess
import sys
import threading
import time

PEER, REPLAY, CASE = sys.argv[1], sys.argv[2], sys.argv[3]
CODE = "424242"
LEVEL = "amateur"  # quick to think, and its games end


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def start_host(*extra):
    host = subprocess.Popen([PEER, "host", "--port", "0", "--code", CODE, "--level", LEVEL, "--wait", "60", *extra],
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    line = host.stderr.readline().decode()
    if not line.startswith("port "):
        fail("host said " + repr(line))
    return host, int(line.split()[1])


def join(address, **kwargs):
    return subprocess.Popen([PEER, "join", address, "--code", CODE, "--level", LEVEL], stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, **kwargs)


def finish(process, seconds=150):
    out, err = process.communicate(timeout=seconds)
    return process.returncode, out, err.decode(errors="replace")


def expect_same_final_game(host, joiner):
    jrc, jout, jerr = finish(joiner)
    hrc, hout, herr = finish(host)
    if jrc != 0 or hrc != 0:
        fail(f"exit codes {hrc} {jrc}: {herr[-400:]} / {jerr[-400:]}")
    if hout != jout or len(hout.split(b"\r\n")) != 213:
        fail("the final saved games differ or are not saved games")
    return hout


def replay(moves):
    return subprocess.run([REPLAY], input=moves.encode(), capture_output=True, check=True).stdout


class Client:
    """A scripted peer of our own: whatever bytes we like, and the lines the host answers."""

    def __init__(self, port, family=socket.AF_INET, source="127.0.0.1"):
        self.sock = socket.socket(family, socket.SOCK_STREAM)
        if family == socket.AF_INET:
            self.sock.bind((source, 0))
        self.sock.connect(("127.0.0.1" if family == socket.AF_INET else "::1", port))
        self.sock.settimeout(15)
        self.buffer = b""

    def send(self, data):
        self.sock.sendall(data if isinstance(data, bytes) else (data + "\n").encode())

    def line(self):
        while b"\n" not in self.buffer:
            chunk = self.sock.recv(65536)
            if not chunk:
                return None
            self.buffer += chunk
        line, self.buffer = self.buffer.split(b"\n", 1)
        return line.decode()

    def lines_until(self, wanted):
        seen = []
        for _ in range(1000):
            line = self.line()
            if line is None:
                fail(f"closed before {wanted!r}; saw {seen[-5:]}")
            seen.append(line)
            if line.startswith(wanted):
                return seen
        fail("too many lines")

    def expect_closed(self, last):
        lines = self.lines_until(last)
        if lines[-1] != last:
            fail(f"expected {last!r}, got {lines[-1]!r}")
        if self.line() is not None:
            fail(f"still open after {last!r}")
        self.sock.close()
        return lines

    def greet(self):
        """HELLO, WELCOME, the board; returns the board's bytes as saved."""
        self.send(f"HELLO reikoboy 1 {CODE} Зонд")
        self.lines_until("WELCOME 1 ")
        if self.line() != "GAME":
            fail("no GAME after WELCOME")
        board = [self.line() for _ in range(212)]
        if self.line() != "END":
            fail("no END after 212 lines")
        saved = ("\r\n".join(board) + "\r\n").encode()
        self.send("READY " + hashlib.sha256(saved).hexdigest())
        return saved


def hostile():
    host, port = start_host("--colour", "red")  # the joiner, blue, moves first
    start = replay("")
    probe = Client(port)
    probe.send(b"A" * 5000 + b"\n")
    probe.expect_closed("ERROR too-long")
    probe = Client(port)
    probe.send(b"HELLO reikoboy 1 " + CODE.encode() + b" \xff\xfe\n")
    probe.expect_closed("ERROR bad-utf8")
    probe = Client(port)
    probe.send("GET / HTTP/1.0")
    probe.expect_closed("ERROR unknown")
    probe = Client(port)
    probe.send(f"HELLO reikoboy 2 {CODE}")
    probe.expect_closed("REFUSED version")
    for _ in range(5):  # a guesser, from an address of its own
        probe = Client(port, source="127.0.0.2")
        probe.send("HELLO reikoboy 1 000000 Угадай")
        probe.expect_closed("REFUSED code")
    probe = Client(port, source="127.0.0.2")
    probe.send(f"HELLO reikoboy 1 {CODE} Угадай")
    probe.expect_closed("REFUSED code")  # even the right code, for a minute
    began = time.monotonic()
    silent = Client(port)
    silent.expect_closed("ERROR timeout")
    if not 9 <= time.monotonic() - began <= 13:
        fail("the silent peer was cut after %.1f s" % (time.monotonic() - began))

    seated = Client(port)
    if seated.greet() != start:
        fail("the host's first board is not the start")
    second = Client(port)
    second.send(f"HELLO reikoboy 1 {CODE} Второй")
    second.expect_closed("REFUSED busy")
    seated.send("MOVE Command5")  # no chip dropped yet: the pass is not offered
    seated.expect_closed("ERROR not-offered")

    cheat = Client(port)
    if cheat.greet() != start:
        fail("the refused move changed the host's board")
    for move in ("MOVE Command1 3", "MOVE Command5", "MOVE Command1 2"):  # the last one out of turn
        cheat.send(move)
    cheat.expect_closed("ERROR not-offered")
    moves = "Command1 3\nCommand5\n"
    played = replay(moves)

    flood = Client(port)
    if flood.greet() != played:
        fail("the host's board is not the one the moves made")
    flood.send(b"PING\n" * 150)
    # The host, red, plays its turn meanwhile: its moves are part of its board.
    for line in flood.expect_closed("ERROR flood"):
        if line.startswith("MOVE "):
            moves += line[5:] + "\n"
    played = replay(moves)

    check = Client(port, socket.AF_INET, "127.0.0.1")
    if check.greet() != played:
        fail("the flood changed the host's board")
    check.send("BYE")
    check.sock.close()
    final = expect_same_final_game(host, join(f"127.0.0.1:{port}"))
    if final == played:
        fail("the game did not go on")


def fake_host_with_a_bad_board():
    server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    server.bind(("127.0.0.1", 0))
    server.listen(1)
    joiner = join(f"127.0.0.1:{server.getsockname()[1]}")
    conn, _ = server.accept()
    conn.settimeout(15)
    hello = conn.recv(4096)
    if not hello.startswith(b"HELLO reikoboy 1 " + CODE.encode()):
        fail("no HELLO: %r" % hello)
    board = replay("").split(b"\r\n")[:212]
    board[0] = b"999999"  # a rail far off the board
    conn.sendall("WELCOME 1 red Подлог\nGAME\n".encode() + b"\n".join(board) + b"\nEND\n")
    answer = b""
    while b"\n" not in answer:
        chunk = conn.recv(4096)
        if not chunk:
            break
        answer += chunk
    rc, out, err = finish(joiner, 30)
    if not answer.startswith(b"ERROR bad-game") or rc != 4 or out or "bad-game" not in err:
        fail(f"answer {answer!r}, exit {rc}, stderr {err!r}")


def proxy(port, cut_after=None, byte_delay=0.0, slow_bytes=0):
    """Listens on a port of its own and passes bytes to the host; returns (port, thread)."""
    server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    server.bind(("127.0.0.1", 0))
    server.listen(1)

    def pump(source, target, counter):
        try:
            while True:
                data = source.recv(4096)
                if not data:
                    break
                for i in range(len(data)):
                    if cut_after is not None and counter[0] >= cut_after:
                        raise OSError("cut")
                    if counter[0] < slow_bytes:
                        target.sendall(data[i:i + 1])
                        time.sleep(byte_delay)
                    else:
                        target.sendall(data[i:])
                        counter[0] += len(data) - i
                        break
                    counter[0] += 1
        except OSError:
            pass
        for s in (source, target):
            try:
                s.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass

    def run():
        client, _ = server.accept()
        upstream = socket.create_connection(("127.0.0.1", port))
        counter = [0]
        threads = [threading.Thread(target=pump, args=(client, upstream, [0]), daemon=True),
                   threading.Thread(target=pump, args=(upstream, client, counter), daemon=True)]
        for t in threads:
            t.start()

    threading.Thread(target=run, daemon=True).start()
    return server.getsockname()[1]


def main():
    if CASE == "game-ipv4":
        host, port = start_host()
        expect_same_final_game(host, join(f"127.0.0.1:{port}"))
    elif CASE == "game-ipv6":
        try:
            socket.socket(socket.AF_INET6).bind(("::1", 0))
        except OSError:
            print("no ::1 here")
            sys.exit(77)
        host, port = start_host("--colour", "red")
        expect_same_final_game(host, join(f"[::1]:{port}"))
    elif CASE == "hostile":
        hostile()
    elif CASE == "bad-board":
        fake_host_with_a_bad_board()
    elif CASE == "byte-by-byte":
        host, port = start_host()
        # The greeting, the board and the first moves arrive one byte at a time.
        expect_same_final_game(host, join(f"127.0.0.1:{proxy(port, byte_delay=0.0005, slow_bytes=1500)}"))
    elif CASE == "cut-and-rejoin":
        host, port = start_host()
        start = replay("")
        first = join(f"127.0.0.1:{proxy(port, cut_after=4000)}")  # past the board, in the middle of the play
        rc, out, err = finish(first, 60)
        if rc != 4 or out:
            fail(f"the cut joiner exited {rc}: {err}")
        watcher = Client(port)
        board = watcher.greet()
        if board == start:
            fail("the host did not keep the board played before the cut")
        watcher.send("BYE")
        watcher.sock.close()
        final = expect_same_final_game(host, join(f"127.0.0.1:{port}"))
        if final == board:
            fail("the game did not go on after the rejoin")
    else:
        fail("no case " + CASE)
    print("ok", CASE)


main()
