# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page in Debian's chromium, acted on only through real input events: what only the
page can get wrong. The rules themselves are proven by the WebAssembly driver's replays.
  REEDFALL_SITE            the built site (cmake --workflow --preset web)
  REEDFALL_DESKTOP_FIELD   the desktop window's start screen field, as reedfall_desktop_field
                           grabbed it in the same run
  REEDFALL_NODE, REEDFALL_WEB_SIM  node and the same build's reedfall-sim.js, which replay the
                           script that the page recorded"""

import base64
import os
import subprocess
import time
import unittest

from browser import Game, Site

SITE = os.environ.get('REEDFALL_SITE', '')
DESKTOP_FIELD = os.environ.get('REEDFALL_DESKTOP_FIELD', '')

# The message label's rows of the field, where the two windows' texts may differ in their
# smoothing; everywhere else the pixels must be the same.
MESSAGE_ROWS = [120, 161]
# The status labels as the desktop places them: pixels of the client area.
DESKTOP_LABELS = {
    'Time Left: 120': [8, 400, 129, 17],
    'Shots Left: 50': [144, 400, 105, 17],
    'Round: 1': [352, 400, 121, 17],
    'Ducks Killed: 0': [8, 424, 129, 17],
    'Shots Used: 0': [144, 424, 105, 17],
    'High Score: 0': [352, 424, 121, 17],
    'Ducks Missed: 0': [8, 448, 105, 17],
    'Shots Missed: 0': [144, 448, 105, 17],
}
NEW_GAME_LABELS = list(DESKTOP_LABELS)

# Decodes the screen's and the desktop's PNGs in the page, and counts the device pixels of the
# field that differ from the desktop's art pixel under them, outside the message label's rows.
# The shot covers whole CSS pixels; the field starts `origin` device pixels into it and is `size`
# device pixels large.
COMPARE = '''async (shotPng, desktopPng, rows, origin, size) => {
  const pixels = async (png) => {
    const image = new Image();
    image.src = `data:image/png;base64,${png}`;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = image.naturalWidth;
    canvas.height = image.naturalHeight;
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    return context.getImageData(0, 0, canvas.width, canvas.height);
  };
  const screen = await pixels(shotPng);
  const art = await pixels(desktopPng);
  const [width, height] = size;
  const scale = width / art.width;
  const differences = [];
  for (let y = 0; y < height; ++y) {
    const artY = Math.floor(y / scale);
    if (artY >= rows[0] && artY < rows[1]) {
      continue;
    }
    for (let x = 0; x < width; ++x) {
      const s = ((origin[1] + y) * screen.width + origin[0] + x) * 4;
      const a = (artY * art.width + Math.floor(x / scale)) * 4;
      for (let c = 0; c < 3; ++c) {
        if (screen.data[s + c] !== art.data[a + c]) {
          differences.push([x, y]);
          break;
        }
      }
    }
  }
  return { shot: [screen.width, screen.height], scale, count: differences.length,
           first: differences.slice(0, 5) };
}'''

server = None


def setUpModule():
    global server
    if not os.path.isfile(os.path.join(SITE, 'index.html')):
        raise RuntimeError(f'no site at {SITE!r}: build it with cmake --workflow --preset web')
    server = Site(SITE)


def tearDownModule():
    if server:
        server.close()


def field_differences(game):
    """The field as the screen shows it against the desktop's: its size in device pixels, and
    the pixels that differ."""
    # The field may start on half a CSS pixel (at 2x, on a whole device pixel), and a shot
    # covers whole CSS pixels: the shot is of the CSS pixels that hold the field.
    area = game.evaluate('''() => {
        const r = document.getElementById('field').getBoundingClientRect();
        const dpr = window.devicePixelRatio;
        const x = Math.floor(r.left);
        const y = Math.floor(r.top);
        return { clip: { x, y, width: Math.ceil(r.right) - x, height: Math.ceil(r.bottom) - y },
                 origin: [Math.round((r.left - x) * dpr), Math.round((r.top - y) * dpr)],
                 size: [Math.round(r.width * dpr), Math.round(r.height * dpr)], dpr };
    }''')
    shot = game.screenshot(area['clip'])
    with open(DESKTOP_FIELD, 'rb') as f:
        desktop = base64.b64encode(f.read()).decode('ascii')
    result = game.evaluate(COMPARE, shot, desktop, MESSAGE_ROWS, area['origin'], area['size'])
    # The shot is in device pixels.
    expected_shot = [area['clip']['width'] * area['dpr'], area['clip']['height'] * area['dpr']]
    if result['shot'] != expected_shot:
        raise AssertionError(f'a shot of {result["shot"]} device pixels, not {expected_shot}')
    return {**result, 'size': area['size']}


def replays_to_its_dump(test, game):
    """The page's script of the game so far, replayed by the driver under node, ends in the
    very state that the page's dump shows."""
    script = game.evaluate('() => Reedfall.script()')
    shown = game.evaluate('() => Reedfall.dump()')
    replay = subprocess.run([os.environ['REEDFALL_NODE'], os.environ['REEDFALL_WEB_SIM']],
                            input=script, capture_output=True, text=True, timeout=60)
    test.assertEqual((replay.returncode, replay.stderr), (0, ''), script)
    test.assertEqual(replay.stdout.splitlines()[-1], shown, script)


def start_game(game):
    game.click(*game.client_point(243, 140))


class Page(unittest.TestCase):
    maxDiff = None

    def test_start_screen_is_the_desktop_field_pixel_for_pixel_at_1x_and_in_2x2_blocks_at_2x(self):
        for scale in (1, 2):
            with self.subTest(scale=scale), Game(server.url, device_scale_factor=scale) as game:
                result = field_differences(game)
                # The message's text lies between the sky and scenery below it and the ducks
                # and the pieces of scenery above it.
                stack = game.evaluate('''() => {
                    const prompt = document.getElementById('lblMessage').getBoundingClientRect();
                    return document.elementsFromPoint(prompt.left + prompt.width / 2,
                                                      prompt.top + 5)
                        .map((element) => element.id).filter((id) => id);
                }''')
                self.assertEqual(stack[:3], ['above', 'lblMessage', 'below'])
                self.assertEqual(result['size'], [487 * scale, 372 * scale])
                self.assertEqual(result['count'], 0, f'{result["count"]} pixels differ at '
                                 f'{scale}x, first at {result["first"]}')

    def test_a_click_on_the_prompt_starts_the_game_and_the_labels_read_as_on_the_desktop(self):
        # The desktop's window, and a phone of 360 x 640 where the field is drawn below 1x and
        # the labels are a band of text of their own: readable, and all on the screen.
        for screen in ({}, {'width': 360, 'height': 640, 'device_scale_factor': 2,
                            'mobile': True}):
            with self.subTest(**screen), Game(server.url, **screen) as game:
                self.check_labels_after_the_prompt(game, screen)

    def check_labels_after_the_prompt(self, game, phone):
        game.pause_time()
        self.assertEqual(game.read_labels(), ['Click Here To Start The Game!!!'])
        if phone:
            # The prompt stays in the picture, at a size that can be read.
            self.assertGreaterEqual(game.evaluate(
                "() => parseFloat(getComputedStyle(document.getElementById('lblMessage')).fontSize)"),
                12)
        start_game(game)
        self.assertEqual(game.read_labels(), NEW_GAME_LABELS)
        # Where and how the desktop draws them: its places, the game's own face, green at 13 px.
        shown = game.evaluate('''() => {
            const client = document.getElementById('client').getBoundingClientRect();
            return [...document.querySelectorAll('.status')].map((label) => {
                const r = label.getBoundingClientRect();
                const style = getComputedStyle(label);
                return { text: label.textContent,
                         box: [r.left - client.left, r.top - client.top, r.width, r.height],
                         edges: [r.left, r.top, r.right, r.bottom],
                         px: parseFloat(style.fontSize),
                         font: `${style.fontSize} ${style.fontFamily}`,
                         colour: style.color };
            });
        }''')
        self.assertEqual(len(shown), 8)
        for label in shown:
            if phone:
                self.assertGreaterEqual(label['px'], 12, label['text'])
                # On the phone's screen as it is, without scrolling or zooming out: a page wider
                # than the screen would widen the browser's own viewport with it.
                left, top, right, bottom = label['edges']
                self.assertTrue(left >= 0 and top >= 0 and right <= phone['width'] and
                                bottom <= phone['height'], label)
                continue
            self.assertEqual(label['box'], DESKTOP_LABELS.get(label['text']), label['text'])
            self.assertRegex(label['font'], r'^13px "Liberation Sans"', label['text'])
            self.assertEqual(label['colour'], 'rgb(0, 192, 0)', label['text'])
        self.assertTrue(game.evaluate('''async () => {
            await document.fonts.ready;
            return [...document.fonts].some(
                (f) => f.family === 'Liberation Sans' && f.status === 'loaded');
        }'''), "the game's own font is loaded")

    def test_a_hit_on_the_flying_duck_gives_HighScore_500(self):
        with Game(server.url) as game:
            game.pause_time()
            start_game(game)
            duck = game.await_blue_duck_in_sky()
            # The shot is the press: the duck has flown on by the time the button comes up.
            game.mouse_move(*duck)
            game.mouse_down()
            game.advance(300)
            game.mouse_up()
            self.assertIn('HighScore: 500', game.read_labels())

    def test_a_double_click_on_the_flying_duck_is_a_hit_and_then_a_miss(self):
        with Game(server.url) as game:
            game.pause_time()
            start_game(game)
            duck = game.await_blue_duck_in_sky()
            game.click(*duck, count=2)
            labels = game.read_labels()
            for text in ('HighScore: 500', 'Ducks Killed: 1', 'Shots Missed: 1',
                         'Shots Left: 48'):
                self.assertIn(text, labels)
            replays_to_its_dump(self, game)

    def test_when_the_clock_runs_out_the_lost_box_comes_holds_the_field_and_OK_Return_or_Escape_start_a_new_game(self):
        with Game(server.url) as game:
            game.pause_time()
            start_game(game)
            closers = {
                'OK': lambda: game.click_on('#box-ok'),
                'Return': lambda: game.press('Enter'),
                'Escape': lambda: game.press('Escape'),
            }
            for name, close in closers.items():
                with self.subTest(closer=name):
                    game.advance(72600)  # 120 ticks of 0.6 s, and the poll after the last
                    self.assertEqual(game.read_dialog(), {
                        'name': 'The Hunt is over!',
                        'texts': ['StaticText:The Hunt is over!',
                                  'StaticText:You Have Lost! You Miseed to many ducks! Game '
                                  'Reset to play again.',
                                  'button:OK'],
                    })
                    # The game runs on beneath the box, and a press on the field does not
                    # reach it.
                    sky = game.client_point(243, 40)
                    missed = game.dump()['state']['ShotsMissed']
                    game.click(*sky)
                    game.advance(600)
                    self.assertEqual(game.dump()['state']['ShotsMissed'], missed)
                    close()
                    self.assertIsNone(game.read_dialog())
                    # A new game rewrites every label but the clock's, until its first tick.
                    self.assertEqual(game.read_labels(), ['Time Left: 0'] + NEW_GAME_LABELS[1:])
                    # Its first tick, 0.6 s on, give or take the page's few milliseconds: it
                    # reads its clock in whole milliseconds of performance.now(), which chromium
                    # blurs by a tenth of one, so the wake may find itself a hair early and
                    # come again on a timer set from a timer, which waits at least 4 ms.
                    game.advance(610)
                    self.assertIn('Time Left: 119', game.read_labels())
            # The boxes, the clicks beneath them and the new games, as the page recorded them.
            replays_to_its_dump(self, game)

    def test_File_End_ends_the_game_with_the_access_keys_and_with_the_mouse(self):
        def keys(game):
            # Alt+F, then N: a new game; Alt+F, then E: the end.
            for item in ('n', 'e'):
                game.key_down('Alt')
                game.press('f')
                game.key_up('Alt')
                game.press(item)
                if item == 'n':
                    self.assertEqual(game.read_labels(), NEW_GAME_LABELS)

        def mouse(game):
            # The menu opens on the press, as a desktop's does.
            game.mouse_move(*game.centre_of('#file'))
            game.mouse_down()
            self.assertEqual(game.read_menu(), {'name': 'File', 'items': ['New Game', 'End']})
            game.mouse_up()
            game.click_on('#end')

        for how, end in (('keys', keys), ('mouse', mouse)):
            with self.subTest(how=how), Game(server.url) as game:
                game.pause_time()
                end(game)
                ended = game.dump()
                self.assertEqual(game.read_labels(), ['Reedfall has ended.'])
                self.assertEqual(
                    game.evaluate("() => document.getElementById('again').textContent"),
                    'Start again')
                # Nothing runs any more: the game's clock stands.
                game.advance(2000)
                self.assertEqual(game.dump(), ended)

    def test_on_a_touch_screen_a_tap_is_a_shot_a_double_tap_a_click_and_a_double_click_and_the_page_does_not_zoom(self):
        # On the page's own clock: touch events wait for frames, which a stopped clock holds
        # back.
        with Game(server.url, width=390, height=844, device_scale_factor=3, mobile=True,
                  touch=True) as game:
            # A double tap on the prompt: its first tap starts the game and hides the prompt,
            # its second is the prompt's double-click, which does nothing; it is no shot on the
            # sky uncovered.
            prompt = game.client_point(243, 140)
            game.tap(*prompt)
            game.tap(*prompt)
            self.assertEqual(game.read_labels(), NEW_GAME_LABELS)
            sky = game.sky_clear_of_ducks()
            game.tap(*sky)
            self.assertIn('Shots Missed: 1', game.read_labels())
            # Two fingers spread apart over the field: the first one's touch is a shot.
            x, y = game.sky_clear_of_ducks()
            game.touch('touchStart', [{'x': x - 10, 'y': y, 'id': 1},
                                      {'x': x + 10, 'y': y, 'id': 2}])
            for step in range(1, 11):
                game.touch('touchMove', [{'x': x - 10 - 8 * step, 'y': y, 'id': 1},
                                         {'x': x + 10 + 8 * step, 'y': y, 'id': 2}])
            game.touch('touchEnd', [])
            time.sleep(0.5)
            self.assertEqual(game.evaluate('() => window.visualViewport.scale'), 1, 'zoomed')
            self.assertIn('Shots Missed: 2', game.read_labels())


if __name__ == '__main__':
    unittest.main(verbosity=2)
