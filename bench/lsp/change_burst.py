#!/usr/bin/env python3
"""A burst of quick changes to a large script, as a client sends them while an author types.

Starts `corvane-script lsp`, opens a text of about 1 MB (the 4096-code example repeated), sends
100 whole-text changes at once and waits until the server has published the problems of the
last version (or, from a server that gives no versions, one answer per change). Prints the seconds from the first change to that answer, the processor seconds the
server used, and how many versions it checked.

    python3 bench/lsp/change_burst.py build/cli/corvane-script
"""

import json
import os
import resource
import subprocess
import sys
import threading
import time

CHANGES = 100
EXAMPLE = os.path.join(os.path.dirname(__file__), "..", "..", "examples", "maximum_4096_codes.txt")
URI = "file:///burst.txt"


def framed(message):
    body = json.dumps(message).encode()
    return b"Content-Length: %d\r\n\r\n" % len(body) + body


def read_message(stream):
    length = None
    while True:
        line = stream.readline()
        if not line:
            raise EOFError("the server ended")
        if line in (b"\r\n", b"\n"):
            break
        name, _, value = line.decode().partition(":")
        if name.strip().lower() == "content-length":
            length = int(value)
    return json.loads(stream.read(length))


def main():
    server = subprocess.Popen([sys.argv[1], "lsp"], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    with open(EXAMPLE, encoding="ascii") as example:
        base = example.read()
    text = base
    while len(text) < 1 << 20:
        text += base
    send = server.stdin
    send.write(framed({"jsonrpc": "2.0", "id": 0, "method": "initialize", "params": {"capabilities": {}}}))
    send.write(framed({"jsonrpc": "2.0", "method": "initialized", "params": {}}))
    send.write(framed({"jsonrpc": "2.0", "method": "textDocument/didOpen", "params": {
        "textDocument": {"uri": URI, "languageId": "corvane", "version": 1, "text": text}}}))
    send.flush()
    while read_message(server.stdout).get("method") != "textDocument/publishDiagnostics":
        pass
    # Each change types one more letter at the end of the text.
    changes = b"".join(
        framed({"jsonrpc": "2.0", "method": "textDocument/didChange", "params": {
            "textDocument": {"uri": URI, "version": version},
            "contentChanges": [{"text": text + " X" * (version - 1)}]}})
        for version in range(2, CHANGES + 2))
    start = time.monotonic()
    # Written beside the reading: a server that answers every change would otherwise fill the pipe
    # back while the changes still fill its input.
    writer = threading.Thread(target=lambda: (send.write(changes), send.flush()))
    writer.start()
    checked = []
    # A server that publishes no versions is done after one check per change.
    while not checked or (checked[-1] != CHANGES + 1 and (checked[-1] is not None or len(checked) < CHANGES)):
        message = read_message(server.stdout)
        if message.get("method") == "textDocument/publishDiagnostics":
            checked.append(message["params"].get("version"))
    seconds = time.monotonic() - start
    writer.join()
    send.write(framed({"jsonrpc": "2.0", "id": 1, "method": "shutdown"}))
    send.write(framed({"jsonrpc": "2.0", "method": "exit"}))
    send.close()
    server.wait()
    used = resource.getrusage(resource.RUSAGE_CHILDREN)
    print(f"{CHANGES} changes of {len(text) >> 10} KB: last problems after {seconds:.2f} s; "
          f"server processor time {used.ru_utime + used.ru_stime:.2f} s; versions checked: {len(checked)}")


if __name__ == "__main__":
    main()
