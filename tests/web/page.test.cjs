// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The web page in Debian's chromium, acted on only through real input events: what only the
// page can get wrong. The rules themselves are proven by the WebAssembly driver's replays.
//   REEDFALL_SITE            the built site (cmake --workflow --preset web)
//   REEDFALL_DESKTOP_FIELD   the desktop window's start screen field, as reedfall_desktop_field
//                            grabbed it in the same run
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const { after, before, test } = require('node:test');

const b = require('./browser.cjs');
const { serve } = require('./serve.cjs');

const SITE = process.env.REEDFALL_SITE;
const DESKTOP_FIELD = process.env.REEDFALL_DESKTOP_FIELD;

// The message label's rows of the field, where the two windows' texts may differ in their
// smoothing; everywhere else the pixels must be the same.
const MESSAGE_ROWS = [120, 161];
// The status labels as the desktop places them: pixels of the client area.
const DESKTOP_LABELS = {
  'Time Left: 120': [8, 400, 129, 17],
  'Shots Left: 50': [144, 400, 105, 17],
  'Round: 1': [352, 400, 121, 17],
  'Ducks Killed: 0': [8, 424, 129, 17],
  'Shots Used: 0': [144, 424, 105, 17],
  'High Score: 0': [352, 424, 121, 17],
  'Ducks Missed: 0': [8, 448, 105, 17],
  'Shots Missed: 0': [144, 448, 105, 17],
};
const NEW_GAME_LABELS = Object.keys(DESKTOP_LABELS);

let server;
let browser;

before(async () => {
  assert.ok(SITE && fs.existsSync(`${SITE}/index.html`),
    `no site at ${SITE}: build it with cmake --workflow --preset web`);
  server = await serve(SITE);
  browser = await b.launch();
});

after(async () => {
  await browser?.close();
  await server?.close();
});

// The field as the screen shows it against the desktop's: the device pixels that differ from
// the desktop's art pixel under them, outside the message label's rows.
async function fieldDifferences(page) {
  const area = await page.evaluate(() => {
    const r = document.getElementById('field').getBoundingClientRect();
    return { x: r.left, y: r.top, width: r.width, height: r.height };
  });
  const shot = await page.screenshot({ clip: area, encoding: 'base64' });
  const desktop = fs.readFileSync(DESKTOP_FIELD).toString('base64');
  return page.evaluate(
    async (shotPng, desktopPng, rows) => {
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
      const scale = screen.width / art.width;
      const differences = [];
      for (let y = 0; y < screen.height; ++y) {
        const artY = Math.floor(y / scale);
        if (artY >= rows[0] && artY < rows[1]) {
          continue;
        }
        for (let x = 0; x < screen.width; ++x) {
          const s = (y * screen.width + x) * 4;
          const a = (artY * art.width + Math.floor(x / scale)) * 4;
          for (let c = 0; c < 3; ++c) {
            if (screen.data[s + c] !== art.data[a + c]) {
              differences.push([x, y]);
              break;
            }
          }
        }
      }
      return { size: [screen.width, screen.height], scale, count: differences.length,
               first: differences.slice(0, 5) };
    },
    shot,
    desktop,
    MESSAGE_ROWS,
  );
}

async function startGame(game) {
  const prompt = await b.clientPoint(game.page, 243, 140);
  await game.page.mouse.click(prompt.x, prompt.y);
}

test('the start screen shows the desktop window\'s field, pixel for pixel, at 1x and in 2 x 2 blocks at 2x', async () => {
  for (const deviceScaleFactor of [1, 2]) {
    const game = await b.openGame(browser, server.url,
      { width: 800, height: 600, deviceScaleFactor });
    const result = await fieldDifferences(game.page);
    // The message's text lies between the sky and scenery below it and the ducks and the
    // pieces of scenery above it.
    const stack = await game.page.evaluate(() => {
      const prompt = document.getElementById('lblMessage').getBoundingClientRect();
      return document.elementsFromPoint(prompt.left + prompt.width / 2, prompt.top + 5)
        .map((element) => element.id).filter((id) => id);
    });
    await game.close();
    assert.deepEqual(stack.slice(0, 3), ['above', 'lblMessage', 'below']);
    assert.deepEqual(result.size, [487 * deviceScaleFactor, 372 * deviceScaleFactor]);
    assert.equal(result.count, 0, `${result.count} pixels differ at ${deviceScaleFactor}x, ` +
      `first at ${JSON.stringify(result.first)}`);
  }
});

test('a click on the prompt starts the game, and the labels read as on the desktop', async () => {
  const game = await b.openGame(browser, server.url);
  await b.pauseTime(game.session);
  assert.deepEqual(await b.readLabels(game.page), ['Click Here To Start The Game!!!']);
  await startGame(game);
  assert.deepEqual(await b.readLabels(game.page), NEW_GAME_LABELS);
  // Where and how the desktop draws them: its places, the game's own face, green at 13 px.
  const shown = await game.page.evaluate(() => {
    const client = document.getElementById('client').getBoundingClientRect();
    return [...document.querySelectorAll('.status')].map((label) => {
      const r = label.getBoundingClientRect();
      const style = getComputedStyle(label);
      return { text: label.textContent,
               box: [r.left - client.left, r.top - client.top, r.width, r.height],
               font: `${style.fontSize} ${style.fontFamily}`, colour: style.color };
    });
  });
  for (const label of shown) {
    assert.deepEqual(label.box, DESKTOP_LABELS[label.text], label.text);
    assert.match(label.font, /^13px "Liberation Sans"/, label.text);
    assert.equal(label.colour, 'rgb(0, 192, 0)', label.text);
  }
  assert.ok(await game.page.evaluate(async () => {
    await document.fonts.ready;
    return [...document.fonts].some((f) => f.family === 'Liberation Sans' && f.status === 'loaded');
  }), 'the game\'s own font is loaded');
  await game.close();
});

test('a hit on the flying duck gives "HighScore: 500"', async () => {
  const game = await b.openGame(browser, server.url);
  await b.pauseTime(game.session);
  await startGame(game);
  const duck = await b.awaitBlueDuckInSky(game.page, game.session);
  // The shot is the press: the duck has flown on by the time the button comes up.
  await game.page.mouse.move(duck.x, duck.y);
  await game.page.mouse.down();
  await b.advance(game.session, 300);
  await game.page.mouse.up();
  assert.ok((await b.readLabels(game.page)).includes('HighScore: 500'));
  await game.close();
});

test('a double-click on the flying duck is a hit and then a miss', async () => {
  const game = await b.openGame(browser, server.url);
  await b.pauseTime(game.session);
  await startGame(game);
  const duck = await b.awaitBlueDuckInSky(game.page, game.session);
  await game.page.mouse.click(duck.x, duck.y, { count: 2 });
  const labels = await b.readLabels(game.page);
  for (const text of ['HighScore: 500', 'Ducks Killed: 1', 'Shots Missed: 1', 'Shots Left: 48']) {
    assert.ok(labels.includes(text), `${text} in ${labels}`);
  }
  await game.close();
});

test('when the clock runs out the lost box comes, holds the field, and OK, Return or Escape start a new game', async () => {
  const game = await b.openGame(browser, server.url);
  await b.pauseTime(game.session);
  await startGame(game);
  const closers = {
    'OK': () => b.clickOn(game.page, '#box-ok'),
    'Return': () => game.page.keyboard.press('Enter'),
    'Escape': () => game.page.keyboard.press('Escape'),
  };
  for (const [name, close] of Object.entries(closers)) {
    await b.advance(game.session, 72600); // 120 ticks of 0.6 s, and the poll after the last
    assert.deepEqual(await b.readDialog(game.page), {
      name: 'The Hunt is over!',
      texts: ['StaticText:The Hunt is over!',
              'StaticText:You Have Lost! You Miseed to many ducks! Game Reset to play again.',
              'button:OK'],
    }, name);
    // The game runs on beneath the box, and a press on the field does not reach it.
    const sky = await b.clientPoint(game.page, 243, 40);
    const missed = (await b.dump(game.page)).state.ShotsMissed;
    await game.page.mouse.click(sky.x, sky.y);
    await b.advance(game.session, 600);
    assert.equal((await b.dump(game.page)).state.ShotsMissed, missed, name);
    await close();
    assert.equal(await b.readDialog(game.page), null, name);
    // A new game rewrites every label but the clock's, until its first tick.
    assert.deepEqual(await b.readLabels(game.page),
      ['Time Left: 0', ...NEW_GAME_LABELS.slice(1)], name);
    await b.advance(game.session, 600);
    assert.ok((await b.readLabels(game.page)).includes('Time Left: 119'), name);
  }
  await game.close();
});

test('File > End ends the game, with the access keys and with the mouse', async () => {
  const ends = {
    keys: async (page) => {
      // Alt+F, then N: a new game; Alt+F, then E: the end.
      for (const item of ['n', 'e']) {
        await page.keyboard.down('Alt');
        await page.keyboard.press('f');
        await page.keyboard.up('Alt');
        await page.keyboard.press(item);
        if (item === 'n') {
          assert.deepEqual(await b.readLabels(page), NEW_GAME_LABELS);
        }
      }
    },
    mouse: async (page) => {
      await b.clickOn(page, '#file');
      await b.clickOn(page, '#end');
    },
  };
  for (const [how, end] of Object.entries(ends)) {
    const game = await b.openGame(browser, server.url);
    await b.pauseTime(game.session);
    await end(game.page);
    const ended = await b.dump(game.page);
    assert.deepEqual(await b.readLabels(game.page), ['Reedfall has ended.'], how);
    assert.equal(await game.page.$eval('#again', (button) => button.textContent), 'Start again');
    // Nothing runs any more: the game's clock stands.
    await b.advance(game.session, 2000);
    assert.deepEqual(await b.dump(game.page), ended, how);
    await game.close();
  }
});

test('on a touch screen a tap is a shot, a double tap a click and a double-click, and the page does not zoom', async () => {
  // On the page's own clock: touch events wait for frames, which a stopped clock holds back.
  const game = await b.openGame(browser, server.url,
    { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
  // A double tap on the prompt: its first tap starts the game and hides the prompt, its second
  // is the prompt's double-click, which does nothing; it is no shot on the sky uncovered.
  const prompt = await b.clientPoint(game.page, 243, 140);
  await game.page.touchscreen.tap(prompt.x, prompt.y);
  await game.page.touchscreen.tap(prompt.x, prompt.y);
  assert.deepEqual(await b.readLabels(game.page), NEW_GAME_LABELS);
  const sky = await b.skyClearOfDucks(game.page);
  await game.page.touchscreen.tap(sky.x, sky.y);
  assert.ok((await b.readLabels(game.page)).includes('Shots Missed: 1'));
  // Two fingers spread apart over the field: the first one's touch is a shot.
  const middle = await b.skyClearOfDucks(game.page);
  await game.session.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [
    { x: middle.x - 10, y: middle.y, id: 1 }, { x: middle.x + 10, y: middle.y, id: 2 }] });
  for (let step = 1; step <= 10; ++step) {
    await game.session.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [
      { x: middle.x - 10 - 8 * step, y: middle.y, id: 1 },
      { x: middle.x + 10 + 8 * step, y: middle.y, id: 2 }] });
  }
  await game.session.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await new Promise((resolve) => setTimeout(resolve, 500));
  assert.equal(await game.page.evaluate(() => window.visualViewport.scale), 1, 'zoomed');
  assert.ok((await b.readLabels(game.page)).includes('Shots Missed: 2'));
  await game.close();
});
