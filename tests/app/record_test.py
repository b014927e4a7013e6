# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A live game recorded in the window and replayed by the driver: the window runs on the X
server that DISPLAY names (an Xvfb of the test's own) and is played as a player plays it, with
real XTest presses (xdotool). It wins nothing and loses round 1, with a duck still falling and
the timers running under the lost box, a double-click, a late wake-up (the program stopped for a
moment, as a busy desktop stops it), a new game from the menu's access keys and File > End. The
driver's replay of the recording must end in the very state the window printed as its last.
Then a recording whose every write fails: the game plays on and says so at the end.
  record_test.py REEDFALL REEDFALL_SIM WORK_DIR
The driver aims the shots: run over what the window has recorded so far, it tells where the
duck is and will be, on the game's clock."""

import json
import os
import signal
import subprocess
import sys
import time

GAME, SIM, WORK = sys.argv[1:4]
SCALE = float(os.environ.get('QT_SCALE_FACTOR', '1'))
TWIPS = 15
failures = []
windows = []  # every game started, to tell how each ended when a step fails


def check(condition, what):
    if not condition:
        failures.append(what)
        print(f'FAIL: {what}', flush=True)


def xdotool(*args):
    return subprocess.run(['xdotool', *map(str, args)], check=True, capture_output=True,
                          text=True).stdout


def now_ms():
    return time.monotonic() * 1000


class Window:
    """The game under test, recording to `path`."""

    def __init__(self, path):
        self.path = path
        time.sleep(0.3)
        self.process = subprocess.Popen([GAME, '--record', path], stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, text=True,
                                        env=dict(os.environ, QT_QPA_PLATFORM='xcb'))
        windows.append(self)
        # Qt may hold windows of the same name that are never shown (the menu's popup before
        # it opens): only a shown one takes the focus.
        self.id = xdotool('search', '--sync', '--onlyvisible', '--name', '^Reedfall$').split()[0]
        geometry = dict(line.split('=') for line in
                        xdotool('getwindowgeometry', '--shell', self.id).split())
        self.window = (int(geometry['X']), int(geometry['Y']))
        self.origin = None  # the client area's top-left on the screen, once a click tells
        self.offset = None  # the game's clock less ours, once a click tells

    def lines(self):
        with open(self.path, encoding='utf-8') as f:
            return f.read().splitlines()

    def click_screen(self, x, y, count=1):
        xdotool('mousemove', round(x), round(y), 'click', '--repeat', count, '--delay', 60, 1)

    def click_twips(self, x, y):
        self.click_screen(self.origin[0] + x / TWIPS * SCALE, self.origin[1] + y / TWIPS * SCALE)

    def await_line(self, count, prefix, timeout=10, needed=True):
        """The recording's lines once it holds more than `count` and its last that starts
        with `prefix` came after them; none, where not `needed`, if it never comes."""
        until = time.monotonic() + timeout
        while time.monotonic() < until:
            lines = self.lines()
            if any(line.startswith(prefix) for line in lines[count:]):
                return lines
            time.sleep(0.02)
        if needed:
            raise AssertionError(f'no "{prefix}" line came')
        return None

    def calibrate(self, screen, lines_before):
        """From a press at `screen` and the line it was recorded as: where the client area lies,
        and the game's clock against ours."""
        sent = now_ms()
        self.click_screen(*screen)
        lines = self.await_line(lines_before, 'click ')
        _, x, y = next(line for line in lines[lines_before:] if line.startswith('click ')).split()
        self.origin = (screen[0] - int(x) / TWIPS * SCALE, screen[1] - int(y) / TWIPS * SCALE)
        at = state(lines[:lines.index(f'click {x} {y}', lines_before)])['t']
        self.offset = at - sent
        return lines

    def game_now(self):
        return now_ms() + self.offset

    def keys(self, *keys, window=None):
        xdotool('windowfocus', '--sync', window or self.id)
        for key in keys:
            xdotool('key', key)
            time.sleep(0.3)


def state(lines, *more):
    """The driver's dump after the recorded `lines` and `more`."""
    script = '\n'.join([*lines, *more, 'dump']) + '\n'
    out = subprocess.run([SIM], input=script, capture_output=True, text=True, check=True)
    return json.loads(out.stdout.splitlines()[-1])


# The scenery that lies above the blue duck and takes a press on it there: both trees and the
# grass band, in twips (left, top, right, bottom).
SCENERY = [(0, 4440, 7335, 5520), (6240, 3120, 7275, 5580), (0, 3120, 1020, 5580)]
CLIENT = (7305, 5580)  # the field's width and height
FALL_STEP, GROUND = 275, 5005  # twips a fall tick, and where the fall ends


def timeline(lines, start, end, step):
    """The driver's dumps after the recorded `lines` at `start`, `start + step`, ... up to
    `end`, all in one run."""
    last = state(lines)['t']
    more = [f'wait {max(start - last, 0)}', 'dump']
    more += [f'wait {step}', 'dump'] * ((end - start) // step)
    script = '\n'.join([*lines, *more]) + '\n'
    out = subprocess.run([SIM], input=script, capture_output=True, text=True, check=True)
    return [json.loads(line) for line in out.stdout.splitlines()]


def shoot(window, lines, earliest=0, latest=None, falling_at=None):
    """A shot at the blue duck where the driver says it will be: at a moment at least 0.3 s
    ahead (and from `earliest`, before `latest`) when it flies in the open, a press lands on it
    (and, hit, it still falls at `falling_at`), and it stands still for 20 ms either side, so
    that the press lands while it is there. The lines of the recording once the shot is in it;
    none where no such moment comes, or where the press came too late for the clock and the
    round's box took it."""
    start = int(max(window.game_now() + 300, earliest))
    end = int(latest or start + 5000)
    if end <= start:
        return None
    dumps = timeline(lines, start - 20, end + 20, 20)
    launch = [dumps[0]['state'][key] for key in ('LaunchTop', 'DuckDir', 'DuckSpeed')]
    for before, at, after in zip(dumps, dumps[1:], dumps[2:]):
        # Beyond the duck's next launch the driver draws numbers of its own, not the game's.
        if [after['state'][key] for key in ('LaunchTop', 'DuckDir', 'DuckSpeed')] != launch:
            break
        duck = at['pictures']['imgDuck']
        if (at['state']['DuckDown'] or not at['timers']['timDuck'] or
                before['pictures']['imgDuck'] != duck or after['pictures']['imgDuck'] != duck):
            continue
        x = int(duck['left'] + duck['width'] // 2)
        y = int(duck['top'] + duck['height'] // 2)
        inside = 0 <= x < CLIENT[0] and 0 <= y < CLIENT[1]
        if not inside or any(l <= x < r and t <= y < b for l, t, r, b in SCENERY):
            continue
        fall_ends = at['t'] + -(-(GROUND - duck['top']) // FALL_STEP) * 60
        if falling_at and fall_ends <= falling_at:
            continue
        while window.game_now() < at['t']:
            time.sleep(0.001)
        count = len(window.lines())
        window.click_twips(x, y)
        return window.await_line(count, 'click ', timeout=5, needed=False)
    return None


def hit(window, earliest=0, latest=None, falling_at=None):
    """Shoots until a shot hits, the moment allowing: the lines of the recording after the
    hit, or none."""
    while window.game_now() + 300 < (latest or float('inf')):
        lines = window.lines()
        kills = state(lines)['state']['DucksKilled']
        lines = shoot(window, lines, earliest, latest, falling_at)
        if lines is None:
            time.sleep(0.2)
            continue
        if state(lines)['state']['DucksKilled'] > kills:
            print(f'hit at {lines[-1]}, game time {state(lines)["t"]} ms', flush=True)
            return lines
        print(f'missed at {lines[-1]}', flush=True)
    return None


def play():
    window = Window(os.path.join(WORK, 'game.rfs'))
    time.sleep(0.5)
    # The prompt, wherever the menu bar ends: the press is recorded at the twips it landed on.
    lines = window.calibrate((window.window[0] + 243 * SCALE, window.window[1] + 162 * SCALE), 1)
    check(state(lines)['GameStarted'], 'the press on the prompt started no game')
    # Round 1's clock runs out 120 ticks of 0.6 s after the new game.
    round_ends = state(lines)['t'] + 120 * 600
    for _ in range(3):
        check(hit(window, latest=window.game_now() + 20000) is not None, 'no shot hit the duck')
    # The last shot in the clock's last second, so that the duck falls on under the lost box,
    # where the duck lets one be aimed so (the driver's replays hold such a game for certain).
    while window.game_now() < round_ends - 1800:
        time.sleep(0.05)
    # On a busy machine the aim may come too late; the driver's replays hold such a game for
    # certain, and the rest of this one is played and compared all the same.
    falling = hit(window, round_ends - 1100, round_ends - 200, falling_at=round_ends + 60)
    if falling is None:
        print('the duck was nowhere to be hit in the clock\'s last second', flush=True)
    # The box opens while the duck falls (it still falls after the clock's end); the duck
    # lands and takes off again under it, within the 1.2 s of a fall from the top. However slow
    # the machine, wait for the box first.
    box = None
    until = time.monotonic() + 30
    while box is None and time.monotonic() < until:
        found = subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', '^The Hunt is over!$'],
                               capture_output=True, text=True).stdout.split()
        box = found[0] if found else None
        time.sleep(0.1)
    check(box is not None, 'no box came when the clock ran out')
    time.sleep(1.5)
    count = len(window.lines())
    window.keys('Return', window=box)
    lines = window.await_line(count, 'ok')
    ok = lines.index('ok', count - 1)
    shot = max(i for i, line in enumerate(lines[:ok]) if line.startswith('click '))
    check(falling is None or any(line.startswith('rand ') for line in lines[shot:ok]),
          'no duck landed and took off again under the box')
    # A double-click in open sky.
    count = len(lines)
    window.click_screen(window.origin[0] + 100 * SCALE, window.origin[1] + 30 * SCALE, count=2)
    window.await_line(count, 'dblpress ')
    # A late wake-up: the program does not run for 0.4 s while the ducks fly.
    time.sleep(0.5)
    os.kill(window.process.pid, signal.SIGSTOP)
    time.sleep(0.4)
    os.kill(window.process.pid, signal.SIGCONT)
    time.sleep(0.5)
    count = len(window.lines())
    window.keys('alt+f', 'n')
    window.await_line(count, 'menu new')
    time.sleep(1.5)
    window.keys('alt+f', 'e')
    out, err = window.process.communicate(timeout=20)
    check(window.process.returncode == 0, f'status {window.process.returncode}: {err}')
    lines = window.lines()
    print('The recording, head and tail:')
    print('\n'.join(f'  {line}' for line in lines[:6] + ['  ...'] + lines[-6:]))
    check(lines[0].startswith('# Reedfall '), 'no heading')
    check(lines[-2:] == ['dump', 'menu end'], f'it ends with {lines[-2:]}')
    for word in ('ok', 'dblpress', 'menu new', 'late', 'rand'):
        check(any(line.split(' ')[0] == word.split(' ')[0] for line in lines),
              f'no "{word}" line')
    replayed = subprocess.run([SIM, window.path], capture_output=True, text=True)
    check(replayed.returncode == 0, f'the driver refused the recording: {replayed.stderr}')
    check(out.strip() != '' and replayed.stdout.splitlines()[-1] == out.strip(),
          'the replay ends elsewhere than the window did:\n'
          f'  window: {out.strip()[:300]}\n  replay: {replayed.stdout[-300:]}')


def failing_writes():
    """Every line to /dev/full fails: the game goes on, and says so once, at the end."""
    window = Window('/dev/full')
    time.sleep(0.5)
    window.click_screen(window.window[0] + 243 * SCALE, window.window[1] + 162 * SCALE)
    time.sleep(1)
    window.keys('alt+f', 'e')
    out, err = window.process.communicate(timeout=20)
    check(window.process.returncode == 1, f'status {window.process.returncode} for failed writes')
    lines = [line for line in err.splitlines() if line.startswith('Reedfall: ')]
    check(lines == ['Reedfall: cannot write /dev/full: No space left on device'],
          f'standard error: {err!r}')
    check(out.strip().startswith('{"t": '), 'the final state was not printed')


for test in (play, failing_writes):
    try:
        test()
    except Exception as error:  # noqa: BLE001 - every way it fails is a failure of the test
        check(False, f'{test.__name__}: {error!r}')
        for window in windows:
            if window.process.poll() is None:
                print(f'the game recording to {window.path} still runs', flush=True)
            else:
                _, err = window.process.communicate()
                print(f'the game recording to {window.path} ended with status '
                      f'{window.process.returncode}:\n{err[-3000:]}', flush=True)
    finally:
        # A game that a failed step left running would take the next one's keys. Only the
        # test's own: a pattern would match the same program run by anyone on the machine.
        for window in windows:
            if window.process.poll() is None:
                window.process.kill()
                window.process.communicate()
        windows.clear()
print('PASS' if not failures else f'{len(failures)} failure(s)')
sys.exit(1 if failures else 0)
