# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Debian's chromium, headless, driven over the DevTools protocol through Debian's selenium and
chromedriver, for the browser tests and the benchmark. Everything the page is given goes in as
real input events (the DevTools protocol's Input domain); the game's clock can be run on
virtual time. Each game gets a browser of its own, with a profile that is thrown away after:
no cache, storage or service worker is shared between games."""

import json
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def _found(variable, names):
    for name in [os.environ.get(variable)] + names:
        if name and os.path.isfile(name) and os.access(name, os.X_OK):
            return name
        if name and os.sep not in name and shutil.which(name):
            return shutil.which(name)
    return None


CHROMIUM = _found('REEDFALL_CHROMIUM', ['chromium', 'chromium-browser'])
# Always given by its path: selenium must never go looking for a driver to download.
CHROMEDRIVER = _found('REEDFALL_CHROMEDRIVER', ['/usr/bin/chromedriver', 'chromedriver'])

# No sandbox: the tests run as root on CI. Nothing reaches out to the network.
ARGS = [
    '--headless=new',
    '--no-sandbox',
    '--disable-gpu',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-sync',
    '--no-first-run',
    '--force-color-profile=srgb',
    '--hide-scrollbars',
]

class Site:
    """A static site as any host serves it: Python's own `http.server`, on a free port of
    127.0.0.1, until close(). `url` ends in a slash."""

    def __init__(self, folder):
        # Unbuffered, so that its first line, which names the port it took, arrives at once.
        self._process = subprocess.Popen(
            [sys.executable, '-u', '-m', 'http.server', '0', '--bind', '127.0.0.1',
             '--directory', folder],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        line = self._process.stdout.readline()
        port = re.search(r' port (\d+) ', line)
        if not port:
            self.close()
            raise RuntimeError(f'http.server did not start: {line!r}')
        self.url = f'http://127.0.0.1:{port.group(1)}/'

    def close(self):
        self._process.terminate()
        self._process.wait()
        self._process.stdout.close()

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()


# The keys the tests press, as a US keyboard sends them.
KEYS = {
    'Alt': {'key': 'Alt', 'code': 'AltLeft', 'windowsVirtualKeyCode': 18, 'location': 1},
    'Enter': {'key': 'Enter', 'code': 'Enter', 'windowsVirtualKeyCode': 13, 'text': '\r'},
    'Escape': {'key': 'Escape', 'code': 'Escape', 'windowsVirtualKeyCode': 27},
}
for _letter in 'efn':
    KEYS[_letter] = {'key': _letter, 'code': f'Key{_letter.upper()}',
                     'windowsVirtualKeyCode': ord(_letter.upper()), 'text': _letter}
MODIFIER_BITS = {'Alt': 1}

# What a screen reader takes for controls: it reads what they hold as their names, not as texts
# of their own.
CONTROLS = {'button', 'checkbox', 'combobox', 'listbox', 'menu', 'menubar', 'menuitem',
            'menuitemcheckbox', 'menuitemradio', 'radio', 'scrollbar', 'searchbox', 'slider',
            'spinbutton', 'switch', 'tab', 'textbox', 'tree', 'treeitem'}
TEXTS = {'StaticText', 'InlineTextBox', 'LineBreak', 'text'}
# Roles whose contents are only presentation.
PRESENTATIONAL = {'doc-cover', 'graphics-symbol', 'img', 'image', 'Meter', 'scrollbar',
                  'slider', 'separator', 'progressbar'}


class Browser:
    """A headless chromium of its own, with a fresh profile. `pid` is chromedriver's, whose
    children are the browser's processes."""

    def __init__(self, extra_args=()):
        if not CHROMIUM or not CHROMEDRIVER:
            raise RuntimeError('no chromium or chromedriver (scripts/install-deps test)')
        self.profile = tempfile.mkdtemp(prefix='reedfall-chromium-')
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for argument in ARGS + list(extra_args) + [f'--user-data-dir={self.profile}']:
            options.add_argument(argument)
        try:
            self.driver = webdriver.Chrome(service=Service(executable_path=CHROMEDRIVER),
                                           options=options)
        except Exception:
            shutil.rmtree(self.profile, ignore_errors=True)
            raise
        self.pid = self.driver.service.process.pid
        self._mouse = (0, 0)
        self._buttons = 0
        self._modifiers = 0
        self._clock_stopped = False

    def close(self):
        try:
            self.driver.quit()
        finally:
            # The browser may still be writing its profile as it goes.
            for _ in range(50):
                shutil.rmtree(self.profile, ignore_errors=True)
                if not os.path.exists(self.profile):
                    break
                time.sleep(0.1)

    def cdp(self, method, **params):
        return self.driver.execute_cdp_cmd(method, params)

    def evaluate(self, function, *args):
        """Runs a JavaScript function in the page with JSON arguments and returns its JSON
        result, awaited if it is a promise."""
        reply = self.cdp('Runtime.evaluate',
                         expression=f'({function})(...{json.dumps(list(args))})',
                         returnByValue=True, awaitPromise=True)
        if 'exceptionDetails' in reply:
            details = reply['exceptionDetails']
            raise RuntimeError(details.get('exception', {}).get('description') or
                               details.get('text'))
        return reply['result'].get('value')

    def wait_for(self, function, timeout=30):
        deadline = time.monotonic() + timeout
        while not self.evaluate(function):
            if time.monotonic() > deadline:
                raise TimeoutError(f'waited {timeout} s for {function}')
            time.sleep(0.02)

    def set_viewport(self, width, height, device_scale_factor=1, mobile=False, touch=False):
        self.cdp('Emulation.setDeviceMetricsOverride', width=width, height=height,
                 deviceScaleFactor=device_scale_factor, mobile=mobile)
        self.cdp('Emulation.setTouchEmulationEnabled', enabled=touch)

    def goto(self, url):
        self.driver.get(url)

    # --- The page's clock. ---

    def pause_time(self):
        """Stops the page's clock: no timer fires and performance.now() stands until
        advance()."""
        self.cdp('Emulation.setVirtualTimePolicy', policy='pause')
        self._clock_stopped = True

    def advance(self, ms):
        """Lets `ms` of the page's time pass at once, its timers firing on the way, then stops
        it again. The page's clock (performance.now()) shows when the budget is spent."""
        start = self.evaluate('() => performance.now()')
        self.cdp('Emulation.setVirtualTimePolicy', policy='advance', budget=ms)
        deadline = time.monotonic() + 60
        # performance.now() is blurred by a tenth of a millisecond either way.
        while self.evaluate('() => performance.now()') < start + ms - 0.2:
            if time.monotonic() > deadline:
                raise TimeoutError(f'the page\'s clock did not advance by {ms} ms')
            time.sleep(0.002)
        # The clock may still be a hair short of the budget's end: let the rest of it run.
        time.sleep(0.02)
        self.evaluate('() => performance.now()')

    # --- Real input events. ---

    def _mouse_event(self, kind, **extra):
        x, y = self._mouse
        self.cdp('Input.dispatchMouseEvent', type=kind, x=x, y=y, modifiers=self._modifiers,
                 buttons=self._buttons, **extra)

    def mouse_move(self, x, y):
        """Moves the mouse. A move is an event that waits for the page's next frame, which a
        stopped clock holds back (and every event after it with it): while the clock stands,
        the mouse jumps instead, and the press that follows carries the new place."""
        self._mouse = (x, y)
        if not self._clock_stopped:
            self._mouse_event('mouseMoved', button='left' if self._buttons else 'none')

    def mouse_down(self, click_count=1):
        self._buttons = 1
        self._mouse_event('mousePressed', button='left', clickCount=click_count)

    def mouse_up(self, click_count=1):
        self._buttons = 0
        self._mouse_event('mouseReleased', button='left', clickCount=click_count)

    def click(self, x, y, count=1):
        """A real mouse's click, or `count` clicks in a row as the system counts them: a
        double-click is a press and release of count 1, then of count 2."""
        self.mouse_move(x, y)
        for n in range(1, count + 1):
            self.mouse_down(n)
            self.mouse_up(n)

    def centre_of(self, selector):
        """The middle of the element on the page, in CSS pixels."""
        return self.evaluate('''(selector) => {
            const r = document.querySelector(selector).getBoundingClientRect();
            return [r.left + r.width / 2, r.top + r.height / 2];
        }''', selector)

    def click_on(self, selector):
        """A click in the middle of the element. The page's clock may stand meanwhile."""
        self.click(*self.centre_of(selector))

    def key_down(self, name):
        key = KEYS[name]
        self._modifiers |= MODIFIER_BITS.get(name, 0)
        # A key held with Alt (or Ctrl, Meta) types no text.
        text = key.get('text', '') if not self._modifiers else ''
        event = {k: v for k, v in key.items() if k != 'text'}
        if text:
            event.update(text=text, unmodifiedText=text)
        self.cdp('Input.dispatchKeyEvent', type='keyDown' if text else 'rawKeyDown',
                 modifiers=self._modifiers, **event)

    def key_up(self, name):
        key = KEYS[name]
        self._modifiers &= ~MODIFIER_BITS.get(name, 0)
        event = {k: v for k, v in key.items() if k != 'text'}
        self.cdp('Input.dispatchKeyEvent', type='keyUp', modifiers=self._modifiers, **event)

    def press(self, name):
        self.key_down(name)
        self.key_up(name)

    def touch(self, kind, points):
        self.cdp('Input.dispatchTouchEvent', type=kind, touchPoints=points)

    def tap(self, x, y):
        """A finger's tap: down and up at once, at the nearest pixel."""
        self.touch('touchStart', [{'x': round(x), 'y': round(y), 'radiusX': 0.5,
                                   'radiusY': 0.5, 'force': 0.5, 'id': 0}])
        self.touch('touchEnd', [])

    # --- What a screen reader reads. ---

    def _read(self, visit):
        """Walks the page's accessibility tree in document order, as a screen reader meets it:
        visit(node, read) for every node, where `read` says whether the reader reads the node
        itself (a control, something focusable, or a text outside a control); a node that
        reads as one, such as a button by its name, is not gone into. visit() returns False to
        leave a node's contents out."""
        nodes = self.cdp('Accessibility.getFullAXTree')['nodes']
        by_id = {node['nodeId']: node for node in nodes}

        def prop(node, name):
            return next((p['value'].get('value') for p in node.get('properties', [])
                         if p['name'] == name), None)

        def children(node):
            return [by_id[c] for c in node.get('childIds', []) if c in by_id]

        focusable_below = {}

        def has_focusable_below(node):
            key = node['nodeId']
            if key not in focusable_below:
                focusable_below[key] = any(prop(c, 'focusable') or has_focusable_below(c)
                                           for c in children(node))
            return focusable_below[key]

        def leaf(node):
            role, name = self._role(node), self._name(node)
            if not children(node) or role in TEXTS or role in PRESENTATIONAL:
                return True
            if has_focusable_below(node):
                return False
            return bool(name) and (bool(prop(node, 'focusable')) or role == 'heading')

        def walk(node, inside_control):
            role = self._role(node)
            if node.get('ignored'):
                read = False
            elif prop(node, 'focusable') or prop(node, 'editable') == 'richtext':
                read = True
            elif role in CONTROLS:
                read = True
            else:
                read = not inside_control and leaf(node) and bool(self._name(node))
            if visit(node, read) is False or leaf(node):
                return
            for child in children(node):
                walk(child, inside_control or role in CONTROLS)

        walk(next(node for node in nodes if not node.get('parentId')), False)

    @staticmethod
    def _role(node):
        return '' if node.get('ignored') else node.get('role', {}).get('value', '')

    @staticmethod
    def _name(node):
        return node.get('name', {}).get('value', '')

    def read_labels(self):
        """The texts a screen reader reads on the page outside the menu bar and the box, in
        document order: the labels of the client area."""
        texts = []

        def visit(node, read):
            if self._role(node) in ('menubar', 'menu', 'dialog'):
                return False
            if read and self._role(node) == 'StaticText':
                texts.append(self._name(node))
            return True

        self._read(visit)
        return texts

    def _read_open(self, role, kinds):
        """The first open node of the role (a dialog, a menu) as a screen reader finds it: its
        name, and the role and name of each node of the given kinds that it reads in it."""
        found = {}
        inside = set()  # the node and what lies in it

        def visit(node, read):
            if not found and read and self._role(node) == role:
                found.update(name=self._name(node), read=[])
                inside.add(node['nodeId'])
            elif node.get('parentId') in inside:
                inside.add(node['nodeId'])
                if read and self._role(node) in kinds:
                    found['read'].append((self._role(node), self._name(node)))
            return True

        self._read(visit)
        return found or None

    def read_dialog(self):
        """The open dialog as a screen reader finds it: its name and the texts it holds."""
        dialog = self._read_open('dialog', ('StaticText', 'button'))
        return dialog and {'name': dialog['name'],
                           'texts': [f'{role}:{name}' for role, name in dialog['read']]}

    def read_menu(self):
        """The open menu as a screen reader finds it: its name and the names of its items."""
        menu = self._read_open('menu', ('menuitem',))
        return menu and {'name': menu['name'], 'items': [name for _, name in menu['read']]}

    def screenshot(self, clip):
        """The PNG, base64, of a rectangle of the page in CSS pixels, at the device's pixels."""
        return self.cdp('Page.captureScreenshot', format='png',
                        clip={**clip, 'scale': 1})['data']


class Game(Browser):
    """The game's page in a browser of its own at the given viewport, started and with its
    start screen painted."""

    def __init__(self, url, width=800, height=600, device_scale_factor=1, mobile=False,
                 touch=False):
        # The screen's own scale, not only the emulated one: with the emulation alone chromium
        # lays the page out on whole CSS pixels, where a 2x screen has half ones.
        super().__init__([f'--force-device-scale-factor={device_scale_factor}'])
        try:
            self.set_viewport(width, height, device_scale_factor, mobile, touch)
            self.goto(url)
            self.wait_for('''() => window.Reedfall && window.Reedfall.dump() !== null &&
                !document.getElementById('lblMessage').hidden''')
        except Exception:
            self.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()

    def dump(self):
        return json.loads(self.evaluate('() => window.Reedfall.dump()'))

    def client_point(self, x, y):
        """Where an art pixel of the client area lies on the page, in CSS pixels."""
        return self.evaluate('''(artX, artY) => {
            const area = document.getElementById('client').getBoundingClientRect();
            const scale = area.width / 487;
            return [area.left + artX * scale, area.top + artY * scale];
        }''', x, y)

    def await_blue_duck_in_sky(self, max_ms=20000):
        """Waits until the flying blue duck lies wholly in open sky, where nothing else takes a
        click on it, stepping the page's clock by a flight tick at a time; the middle of the
        duck as the page shows it, in CSS pixels."""
        for _ in range(0, max_ms + 1, 60):
            state = self.dump()
            duck = state['pictures']['imgDuck']
            left = math.ceil(duck['left'] / 15)
            top = math.ceil(duck['top'] / 15)
            right = math.ceil((duck['left'] + duck['width']) / 15)
            bottom = math.ceil((duck['top'] + duck['height']) / 15)
            # Open sky: clear of the screen's edges and above the trees (their pictures start
            # at 208).
            if (state['timers']['timDuck'] and not state['state']['DuckDown'] and left >= 0 and
                    right <= 487 and top >= 0 and bottom <= 208):
                return self.client_point((left + right) / 2, (top + bottom) / 2)
            self.advance(60)
        raise AssertionError('the blue duck never flew in open sky')

    def sky_clear_of_ducks(self):
        """A point of open sky, in CSS pixels, well clear of both ducks as they are now, for a
        shot that must miss on a clock that runs on."""
        pictures = self.dump()['pictures']

        def clear(point):
            x, y = point
            for name in ('imgDuck', 'imgRedD'):
                left = pictures[name]['left'] / 15
                top = pictures[name]['top'] / 15
                if not (x < left - 60 or x > left + 94 or y < top - 60 or y > top + 91):
                    return False
            return True

        x, y = next(p for p in [(60, 40), (420, 40), (60, 180), (420, 180), (243, 20)]
                    if clear(p))
        return self.client_point(x, y)
