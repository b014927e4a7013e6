# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page's benchmark: figures, not a test. Each page runs in a headless chromium of its
own, and the CPU time of that browser's processes (all of them: browser, renderer, GPU and
utility) is read from /proc over the same stretch of time:
  - the game in play (the ducks flying after a click on the prompt) beside the bare page
    (bare.html), at the same time, over the same seconds;
  - the game at its start screen, where nothing should run;
and for a first load of the site: the bytes of the files it fetched, gzipped as a static host
sends them, and the time to the first paint and to the game's first painted field.
  python3 web_bench.py SITE [SECONDS]"""

import gzip
import json
import os
import sys
import time
import urllib.parse

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', '..', 'tests', 'web'))

from browser import Browser, Site  # noqa: E402

TICKS_PER_SECOND = os.sysconf('SC_CLK_TCK')
# Already compressed: a static host sends them as they are, and gzips the rest.
PACKED = {'.woff2', '.png'}


def stat(pid):
    """The parent and the CPU ticks used so far of a process; None if it is gone meanwhile."""
    try:
        with open(f'/proc/{pid}/stat', encoding='utf-8') as f:
            text = f.read()
    except OSError:
        return None
    fields = text[text.rindex(')') + 2:].split(' ')
    return int(fields[1]), int(fields[11]) + int(fields[12])


def processes():
    found = {}
    for name in os.listdir('/proc'):
        if name.isdigit():
            s = stat(name)
            if s:
                found[int(name)] = s
    return found


def tree_cpu(root):
    """CPU seconds used so far by `root` and every process below it."""
    table = processes()
    total = 0
    for pid, (_, used) in table.items():
        p = pid
        while p > 1 and p in table:
            if p == root:
                total += used
                break
            p = table[p][0]
    return total / TICKS_PER_SECOND


def chromium_pid(browser):
    """The browser's own process: chromedriver's child."""
    return next(pid for pid, (parent, _) in processes().items() if parent == browser.pid)


def open_page(url):
    browser = Browser()
    browser.set_viewport(800, 600)
    browser.goto(url)
    browser.wait_for("() => performance.getEntriesByName('reedfall-field').length > 0")
    return browser


def percent(cpu, seconds):
    return f'{100 * cpu / seconds:.2f} %'


def sent_size(site, path):
    """The bytes a static host sends for a file of the site, gzipped unless already packed."""
    file = os.path.join(site, path.lstrip('/') or 'index.html')
    with open(file, 'rb') as f:
        body = f.read()
    if os.path.splitext(file)[1] in PACKED:
        return len(body)
    return len(gzip.compress(body, compresslevel=9, mtime=0))


def first_load(server, site):
    """The first load: bytes and paints, in a browser of its own."""
    browser = open_page(server.url)
    try:
        time.sleep(1)  # the service worker's own fetches of the site are not the first load
        paints = browser.evaluate('''() => ({
            first: performance.getEntriesByName('first-paint')[0]?.startTime,
            contentful: performance.getEntriesByName('first-contentful-paint')[0]?.startTime,
            field: performance.getEntriesByName('reedfall-field')[0].startTime,
            files: [...performance.getEntriesByType('navigation'),
                    ...performance.getEntriesByType('resource')].map((entry) => entry.name),
        })''')
    finally:
        browser.close()
    paths = sorted({urllib.parse.urlsplit(url).path for url in paints['files']})
    sent = sorted(((path, sent_size(site, path)) for path in paths), key=lambda item: -item[1])
    print('First load (gzipped but for fonts and pictures, as a static host sends it):')
    for name, size in sent:
        print(f'  {name:<28} {size:>8} bytes')
    total = sum(size for _, size in sent)
    print(f'  {"all":<28} {total:>8} bytes '
          f'({total / 1024:.1f} KiB; goal: at most 250 KB)')
    files = [os.path.join(folder, name) for folder, _, names in os.walk(site) for name in names]
    print(f'  the site on disk: {len(files)} files, '
          f'{sum(os.path.getsize(f) for f in files)} bytes')

    def ms(value):
        return 'none' if value is None else f'{value:.0f}'

    print(f'Time to first paint: {ms(paints["first"])} ms; first contentful paint: '
          f'{ms(paints["contentful"])} ms; the game\'s field painted: {ms(paints["field"])} ms')


def in_play(server, bare, seconds):
    """The game in play beside the bare page, over the same seconds."""
    game = open_page(server.url)
    yardstick = open_page(f'{bare.url}bare.html')
    try:
        prompt = game.evaluate('''() => {
            const area = document.getElementById('client').getBoundingClientRect();
            const scale = area.width / 487;
            return [area.left + 243 * scale, area.top + 140 * scale];
        }''')
        game.click(*prompt)
        time.sleep(1)
        roots = [chromium_pid(game), chromium_pid(yardstick)]
        before = [tree_cpu(root) for root in roots]
        time.sleep(seconds)
        used = [tree_cpu(root) - start for root, start in zip(roots, before)]
        state = json.loads(game.evaluate('() => window.Reedfall.dump()'))
    finally:
        game.close()
        yardstick.close()
    print(f'In play, {seconds} s side by side (CPU of all of each chromium\'s processes, '
          'per cent of one core):')
    print(f'  the game:      {percent(used[0], seconds)} (game clock {state["t"]} ms, '
          f'Time Left {state["state"]["TimeLeft"]})')
    print(f'  the bare page: {percent(used[1], seconds)}')
    ratio = f'{used[0] / used[1]:.2f}' if used[1] else 'none (the bare page used no CPU)'
    print(f'  ratio: {ratio} (goal: at most 1.2)')


def at_start_screen(server, seconds):
    """The game at its start screen, where nothing runs."""
    browser = open_page(server.url)
    try:
        time.sleep(1)
        root = chromium_pid(browser)
        start = tree_cpu(root)
        time.sleep(seconds)
        idle = tree_cpu(root) - start
    finally:
        browser.close()
    print(f'At the start screen, {seconds} s: {percent(idle, seconds)} (goal: close to zero)')


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit('usage: web_bench.py SITE [SECONDS]')
    site = sys.argv[1]
    seconds = float(sys.argv[2]) if len(sys.argv) == 3 else 20
    seconds = int(seconds) if seconds.is_integer() else seconds
    with Site(site) as server, Site(HERE) as bare:
        first_load(server, site)
        in_play(server, bare, seconds)
        at_start_screen(server, seconds)


if __name__ == '__main__':
    main()
