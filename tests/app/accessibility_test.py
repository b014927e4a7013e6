# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game's window as a screen reader reads it over AT-SPI, with Debian's pyatspi: the tree
at the start screen, the prompt pressed through AT-SPI, three misses shot with real XTest clicks
(xdotool), the name changes that come of them, and the round-end box read and closed.
  accessibility_test.py PROGRAM
PROGRAM is the game's window on a clock that keeps real time until it reads "hurry"
(accessible_window.cpp). Runs on the X server that DISPLAY names, on a D-Bus session bus of its
own, where the accessibility bus starts; skipped (77) where any of that cannot be had."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
LAUNCHERS = ['/usr/libexec/at-spi-bus-launcher', '/usr/lib/at-spi2-core/at-spi-bus-launcher']
PROMPT = 'Click Here To Start The Game!!!'
# The status labels after a new game, in reading order: row by row, left to right.
NEW_GAME_LABELS = ['Time Left: 120', 'Shots Left: 50', 'Round: 1', 'Ducks Killed: 0',
                   'Shots Used: 0', 'High Score: 0', 'Ducks Missed: 0', 'Shots Missed: 0']
# Points of the grass band, in pixels of the field: in round 1 a click there is always a miss,
# since the grass lies above the blue duck and the red one does not fly yet. Apart by more than
# a double-click's distance.
GRASS = [(100, 330), (240, 330), (380, 330)]


def skip(why):
    print(f'SKIP: {why}')
    sys.exit(SKIPPED)


def on_own_buses():
    """Runs this script again inside a D-Bus session bus of its own, with a runtime folder of its
    own for the accessibility bus's socket, unless it already is."""
    if os.environ.get('REEDFALL_OWN_SESSION_BUS') == '1':
        return
    if not os.environ.get('DISPLAY'):
        skip('no X server (DISPLAY is not set)')
    if not shutil.which('dbus-run-session'):
        skip('no dbus-run-session (dbus-daemon)')
    if not any(os.access(launcher, os.X_OK) for launcher in LAUNCHERS):
        skip('no at-spi-bus-launcher (at-spi2-core)')
    runtime = tempfile.mkdtemp(prefix='reedfall-a11y-')
    env = {key: value for key, value in os.environ.items()
           if key not in ('DBUS_SESSION_BUS_ADDRESS', 'AT_SPI_BUS_ADDRESS')}
    env.update(REEDFALL_OWN_SESSION_BUS='1', XDG_RUNTIME_DIR=runtime)
    status = subprocess.call(['dbus-run-session', '--', sys.executable, *sys.argv], env=env)
    shutil.rmtree(runtime, ignore_errors=True)
    sys.exit(status)


on_own_buses()

try:
    import gi
    gi.require_version('Atspi', '2.0')
    from gi.repository import Gio, GLib
    import pyatspi
except (ImportError, ValueError) as error:
    skip(f'no pyatspi ({error}): python3-pyatspi')


def accessibility_bus_starts():
    try:
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        reply = session.call_sync('org.a11y.Bus', '/org/a11y/bus', 'org.a11y.Bus', 'GetAddress',
                                  None, GLib.VariantType.new('(s)'),
                                  Gio.DBusCallFlags.NONE, 10000, None)
        return bool(reply.unpack()[0])
    except GLib.Error as error:
        print(f'the accessibility bus did not start: {error.message}')
        return False


def pump(until, timeout=10.0):
    """Lets the events come in until `until()` holds; False if it did not within `timeout`."""
    context = GLib.MainContext.default()
    end = time.monotonic() + timeout
    while True:
        while context.pending():
            context.iteration(False)
        if until():
            return True
        if time.monotonic() > end:
            return False
        time.sleep(0.02)


def descendants(node):
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield child
            yield from descendants(child)


def find(node, role, name=None):
    return next((n for n in descendants(node)
                 if n.getRole() == role and (name is None or n.name == name)), None)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return {}
    return {action.getName(i): (i, action.getKeyBinding(i)) for i in range(action.nActions)}


def press(node):
    index = next((i for name, (i, _) in actions(node).items() if name.lower() == 'press'), None)
    if index is None:
        raise AssertionError(f'{node} has no press action')
    node.queryAction().doAction(index)


def tree(node, depth=0):
    """The tree as pyatspi prints its objects, with what a reader hears beside the name."""
    notes = []
    if node.description:
        notes.append(f'description {node.description!r}')
    if not showing(node):
        notes.append('hidden')
    notes += [f'{name} {keys}'.strip() for name, (_, keys) in actions(node).items()]
    lines = ['  ' * depth + str(node) + (f'  ({"; ".join(notes)})' if notes else '')]
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            lines.append(tree(child, depth + 1))
    return '\n'.join(lines)


failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print(f'FAIL: {what}')
    return condition


def main(program):
    if not accessibility_bus_starts():
        skip('no accessibility bus could be started')

    # What a screen reader listens to, registered before the game starts, as a running screen
    # reader's would be. Each event with the source's name as it reads when the event comes.
    events = []

    def heard(event):
        events.append((event.type, event.source, event.source.name, event.detail1))

    pyatspi.Registry.registerEventListener(heard, 'object:property-change:accessible-name',
                                           'object:state-changed:showing')

    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1', QT_QPA_PLATFORM='xcb')
    game = subprocess.Popen([program], stdin=subprocess.PIPE, env=env)
    try:
        run(game, events)
    finally:
        game.stdin.close()  # the end of its input ends the program
        status = game.wait(30)
    check(status == 0, f'the program ended with status {status}')
    if failures:
        print(f'{len(failures)} failed')
        return 1
    print('PASS')
    return 0


def run(game, events):
    desktop = pyatspi.Registry.getDesktop(0)

    def application():
        return next((desktop.getChildAtIndex(i) for i in range(desktop.childCount)
                     if desktop.getChildAtIndex(i) is not None
                     and desktop.getChildAtIndex(i).get_process_id() == game.pid), None)

    found = {}

    def prompt_read():
        app = application()
        found['app'] = app
        found['prompt'] = app and find(app, pyatspi.ROLE_PUSH_BUTTON, PROMPT)
        return found['prompt'] is not None and showing(found['prompt'])

    # 1. The start screen: the prompt, the field, the menu, and the labels not yet shown.
    if not check(pump(prompt_read, 30), 'the prompt is read'):
        return
    app, prompt = found['app'], found['prompt']
    print('The tree at the start screen:\n' + tree(app))
    window = find(app, pyatspi.ROLE_FRAME, 'Reedfall')
    check(window is not None, 'the window is a frame named Reedfall')
    field = find(app, pyatspi.ROLE_IMAGE, 'Play field')
    check(field is not None and field.childCount == 0,
          'the field is one image, with nothing in it named for a duck')
    menu = {node.name: actions(node) for node in descendants(app)
            if node.getRole() == pyatspi.ROLE_MENU_ITEM}
    check([(name, [keys for _, keys in menu[name].values()]) for name in menu] ==
          [('File', ['Alt+F']), ('New Game', ['Alt+N']), ('End', ['Alt+E'])],
          f'the menu with its access keys: {menu}')
    labels = [node for node in descendants(app) if node.getRole() == pyatspi.ROLE_LABEL]
    check(len(labels) == 8 and not any(showing(label) for label in labels),
          'eight status labels, hidden before the first game')

    def label(prefix):
        return next(node for node in labels if node.name.startswith(prefix))

    # 2. The prompt pressed as a screen reader presses it: the game starts.
    press(prompt)
    check(pump(lambda: all(showing(node) for node in labels) and not showing(prompt)),
          'the press started the game: the labels show and the prompt does not')
    # 3. The status labels of a new game, in reading order.
    check([node.name for node in labels] == NEW_GAME_LABELS,
          f'the labels read {[node.name for node in labels]}')
    check(label('Shots Left: ').name == 'Shots Left: 50', 'Shots Left: 50')

    # 4. Three missed shots, clicked with the X server's test extension where the field lies.
    extents = field.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    for shot, (x, y) in enumerate(GRASS, start=1):
        subprocess.run(['xdotool', 'mousemove', '--sync', str(extents.x + x),
                        str(extents.y + y), 'click', '1'], check=True)
        check(pump(lambda: label('Shots Missed: ').name == f'Shots Missed: {shot}'),
              f'Shots Missed: {shot} after shot {shot}, not {label("Shots Missed: ").name}')
    # 5. One name change for each rewrite of a label, none for a label that kept its text, none
    # for the frames in between; a show for each label and a hide for the prompt, once.
    pump(lambda: False, 0.5)

    def heard_of(node, kind):
        return [(name, detail) for type_, source, name, detail in events
                if source == node and type_.startswith(kind)]

    renamed = 'object:property-change:accessible-name'
    check([n for n, _ in heard_of(label('Shots Missed: '), renamed)] ==
          ['Shots Missed: 1', 'Shots Missed: 2', 'Shots Missed: 3'],
          f'Shots Missed renamed once a miss: {heard_of(label("Shots Missed: "), renamed)}')
    check([n for n, _ in heard_of(label('Shots Left: '), renamed)] ==
          ['Shots Left: 50', 'Shots Left: 49', 'Shots Left: 48', 'Shots Left: 47'],
          f'Shots Left renamed by the new game and once a miss: '
          f'{heard_of(label("Shots Left: "), renamed)}')
    for same in ('Round: ', 'Ducks Killed: '):
        check(heard_of(label(same), renamed) == [], f'{same} kept its text and was not renamed')
    # The clock's: one a tick. Those sent before its name is read have come in after a moment,
    # and one more tick may come meanwhile.
    clock = label('Time Left: ')
    ticks = 120 - int(clock.name.split(': ')[1])
    pump(lambda: False, 0.2)
    told = len(heard_of(clock, renamed))
    check(told in (ticks, ticks + 1), f'{told} name changes of the clock for {ticks} ticks')
    shown = 'object:state-changed:showing'
    check(all([d for _, d in heard_of(node, shown)] == [1] for node in labels)
          and [d for _, d in heard_of(prompt, shown)] == [0],
          'each label shown once, the prompt hidden once')

    # 6. The clock runs out: the lost round's box, with its title, its text and OK.
    game.stdin.write(b'hurry\n')
    game.stdin.flush()

    def box():
        return next((node for node in descendants(app)
                     if node.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)), None)

    if not check(pump(lambda: box() is not None, 60), 'the round-end box opens'):
        return
    print('The tree with the box open:\n' + tree(app))
    opened = box()
    check(opened.name == 'The Hunt is over!', f'the box is named by its title: {opened.name!r}')
    texts = [node.name for node in descendants(opened) if node.getRole() == pyatspi.ROLE_LABEL
             and showing(node)]
    check(texts == ['You Have Lost! You Miseed to many ducks! Game Reset to play again.'],
          f'the box reads its text: {texts}')
    ok = find(opened, pyatspi.ROLE_PUSH_BUTTON, 'OK')
    if not check(ok is not None, 'the box has its OK button'):
        return
    # 7. OK pressed as a screen reader presses it: the box goes, and a new game begins.
    press(ok)
    check(pump(lambda: box() is None), 'OK closed the box')
    check(pump(lambda: label('Shots Missed: ').name == 'Shots Missed: 0'
               and label('Shots Left: ').name == 'Shots Left: 50'),
          'a new game after OK: Shots Missed: 0, Shots Left: 50')


if __name__ == '__main__':
    if len(sys.argv) != 2:
        print(__doc__)
        sys.exit(2)
    sys.exit(main(sys.argv[1]))
