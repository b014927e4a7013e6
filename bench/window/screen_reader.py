# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs a program as a screen reader would find it: on the D-Bus session bus that this runs on
(dbus-run-session), with the accessibility bus up and Qt's bridge on, while a listener takes
every event a screen reader takes (names, texts, states, windows). Prints the program's own
output, then how many events came.
  dbus-run-session -- /usr/bin/python3 screen_reader.py PROGRAM [ARGUMENT...]"""

import os
import subprocess
import sys
import time

import gi
gi.require_version('Atspi', '2.0')
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

heard = 0


def listen(_event):
    global heard
    heard += 1


pyatspi.Registry.registerEventListener(listen, 'object', 'window', 'focus')
program = subprocess.Popen(sys.argv[1:], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1'))
context = GLib.MainContext.default()
while program.poll() is None:
    while context.pending():
        context.iteration(False)
    time.sleep(0.01)
print(f'events={heard}', file=sys.stderr)
sys.exit(program.returncode)
