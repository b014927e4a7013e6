#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives reedfall-sim through a pipe as another program would: it writes one command at a
time and reads each dump before it writes the next, with standard input still open.

    drive_through_pipe.py [EMULATOR...] SIM

A driver that waited for the end of its input, or kept its answer in a buffer, leaves the
reader waiting: that is a failure after a timeout, not a hang.
"""
import os
import select
import subprocess
import sys

TIMEOUT = 30  # seconds; wine starts in about one, node in a tenth


def main():
    sim = subprocess.Popen(sys.argv[1:], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                           stderr=subprocess.PIPE)
    failures = []

    def read_line():
        line = b""
        while True:
            ready, _, _ = select.select([sim.stdout], [], [], TIMEOUT)
            if not ready:
                return "<no answer>"
            byte = os.read(sim.stdout.fileno(), 1)
            if not byte:
                return "<end of output>" if not line else line.decode()
            if byte == b"\n":
                return line.decode()
            line += byte

    def send(text):
        sim.stdin.write(text.encode())
        sim.stdin.flush()

    def expect(what, got, prefix):
        if not got.startswith(prefix):
            failures.append(f"{what}: expected {prefix!r}..., got {got[:80]!r}")

    send("dump\n")
    expect("the first dump", read_line(), '{"t": 0, ')
    send("wait 600\nmenu new\nwait 60\ndump\n")
    expect("the dump after a new game", read_line(), '{"t": 660, "state": {"DuckFrame": ')
    # Nothing after File > End, not even the dump that follows it.
    send("menu end\ndump\n")
    sim.stdin.close()
    expect("after File > End", read_line(), "<end of output>")
    status = sim.wait(TIMEOUT)
    errors = sim.stderr.read().decode(errors="replace")
    if status != 0 or errors:
        failures.append(f"status {status}, standard error: {errors!r}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
