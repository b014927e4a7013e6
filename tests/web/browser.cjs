// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's chromium, headless, driven over the DevTools protocol by puppeteer-core, for the
// browser tests and the benchmark. Everything the page is given goes in as real input events
// (the DevTools protocol's Input domain); the game's clock can be run on virtual time.
'use strict';

const puppeteer = require('puppeteer-core');

const CHROMIUM = process.env.REEDFALL_CHROMIUM || '/usr/bin/chromium';

// No sandbox: the tests run as root on CI. Nothing reaches out to the network, and every run
// gets a profile of its own that is thrown away after.
const ARGS = [
  '--headless=new',
  '--no-sandbox',
  '--disable-gpu',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
  '--no-first-run',
  '--force-color-profile=srgb',
  '--hide-scrollbars',
];

function launch(extraArgs = []) {
  return puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true, // with --headless=new among the arguments
    args: [...ARGS, ...extraArgs],
    ignoreDefaultArgs: ['--headless'],
    defaultViewport: null,
  });
}

// A page of its own context (no shared cache or service worker) at the given viewport, with
// the game started and its start screen painted.
async function openGame(browser, url, viewport = { width: 800, height: 600 }) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ deviceScaleFactor: 1, ...viewport });
  await page.goto(url);
  await page.waitForFunction(
    () => window.Reedfall && window.Reedfall.dump() !== null &&
      !document.getElementById('lblMessage').hidden,
  );
  const session = await page.createCDPSession();
  return { page, session, close: () => context.close() };
}

// Stops the page's clock: no timer fires and performance.now() stands until advance().
async function pauseTime(session) {
  await session.send('Emulation.setVirtualTimePolicy', { policy: 'pause' });
}

// Lets `ms` of the page's time pass at once, its timers firing on the way, then stops it again.
function advance(session, ms) {
  return new Promise((resolve, reject) => {
    session.once('Emulation.virtualTimeBudgetExpired', () => resolve());
    session
      .send('Emulation.setVirtualTimePolicy', { policy: 'advance', budget: ms })
      .catch(reject);
  });
}

function dump(page) {
  return page.evaluate(() => JSON.parse(window.Reedfall.dump()));
}

// Where an art pixel of the client area lies on the page, in CSS pixels.
async function clientPoint(page, x, y) {
  return page.evaluate(
    (artX, artY) => {
      const area = document.getElementById('client').getBoundingClientRect();
      const scale = area.width / 487;
      return { x: area.left + artX * scale, y: area.top + artY * scale };
    },
    x,
    y,
  );
}

// A real mouse's click in the middle of the element. The page's clock may stand meanwhile.
async function clickOn(page, selector) {
  const at = await page.$eval(selector, (element) => {
    const r = element.getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  });
  await page.mouse.click(at.x, at.y);
}

// The texts a screen reader reads on the page outside the menu bar and the box, in document
// order: the labels of the client area.
async function readLabels(page) {
  const tree = await page.accessibility.snapshot({ interestingOnly: true });
  const texts = [];
  const walk = (node) => {
    if (!node || ['menubar', 'menu', 'dialog'].includes(node.role)) {
      return;
    }
    if (node.role === 'StaticText' && node.name) {
      texts.push(node.name);
    }
    (node.children || []).forEach(walk);
  };
  walk(tree);
  return texts;
}

// The open dialog as a screen reader finds it: its name and the texts it holds.
async function readDialog(page) {
  const tree = await page.accessibility.snapshot({ interestingOnly: true });
  let found = null;
  const walk = (node) => {
    if (!node || found) {
      return;
    }
    if (node.role === 'dialog') {
      found = node;
      return;
    }
    (node.children || []).forEach(walk);
  };
  walk(tree);
  if (!found) {
    return null;
  }
  const texts = [];
  const collect = (node) => {
    if (node.role === 'StaticText' || node.role === 'button') {
      texts.push(`${node.role}:${node.name}`);
    }
    (node.children || []).forEach(collect);
  };
  collect(found);
  return { name: found.name, texts };
}

// Waits until the flying blue duck lies wholly in open sky, where nothing else takes a click on
// it, stepping the page's clock by a flight tick at a time; the middle of the duck as the page
// shows it, in CSS pixels.
async function awaitBlueDuckInSky(page, session, maxMs = 20000) {
  for (let waited = 0; waited <= maxMs; waited += 60) {
    const state = await dump(page);
    const duck = state.pictures.imgDuck;
    const left = Math.ceil(duck.left / 15);
    const top = Math.ceil(duck.top / 15);
    const right = Math.ceil((duck.left + duck.width) / 15);
    const bottom = Math.ceil((duck.top + duck.height) / 15);
    // Open sky: clear of the screen's edges and above the trees (their pictures start at 208).
    if (state.timers.timDuck && !state.state.DuckDown && left >= 0 && right <= 487 &&
        top >= 0 && bottom <= 208) {
      return clientPoint(page, (left + right) / 2, (top + bottom) / 2);
    }
    await advance(session, 60);
  }
  throw new Error('the blue duck never flew in open sky');
}

// A point of open sky, in CSS pixels, well clear of both ducks as they are now, for a shot that
// must miss on a clock that runs on.
async function skyClearOfDucks(page) {
  const state = await dump(page);
  const clear = ([x, y]) => ['imgDuck', 'imgRedD'].every((name) => {
    const duck = state.pictures[name];
    const left = duck.left / 15;
    const top = duck.top / 15;
    return x < left - 60 || x > left + 94 || y < top - 60 || y > top + 91;
  });
  const [x, y] = [[60, 40], [420, 40], [60, 180], [420, 180], [243, 20]].find(clear);
  return clientPoint(page, x, y);
}

module.exports = {
  launch,
  openGame,
  pauseTime,
  advance,
  dump,
  clientPoint,
  clickOn,
  readLabels,
  readDialog,
  awaitBlueDuckInSky,
  skyClearOfDucks,
};
