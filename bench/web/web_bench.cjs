// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's benchmark: figures, not a test. Each page runs in a headless chromium of its
// own, and the CPU time of that browser's processes (all of them: browser, renderer, GPU and
// utility) is read from /proc over the same stretch of time:
//   - the game in play (the ducks flying after a click on the prompt) beside the bare page
//     (bare.html), at the same time, over the same seconds;
//   - the game at its start screen, where nothing should run;
// and for a first load of the site: the bytes sent, gzipped as a static host sends them, and
// the time to the first paint and to the game's first painted field.
//   node web_bench.cjs SITE [SECONDS]
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const b = require('../../tests/web/browser.cjs');
const { serve } = require('../../tests/web/serve.cjs');

const site = process.argv[2];
const seconds = Number(process.argv[3] || 20);
const TICKS_PER_SECOND = 100; // USER_HZ on Linux

function stat(pid) {
  try {
    const text = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
    const fields = text.slice(text.lastIndexOf(')') + 2).split(' ');
    return { ppid: Number(fields[1]), ticks: Number(fields[11]) + Number(fields[12]) };
  } catch {
    return null; // gone meanwhile
  }
}

// CPU seconds used so far by `root` and every process below it.
function treeCpu(root) {
  const parents = new Map();
  const ticks = new Map();
  for (const name of fs.readdirSync('/proc')) {
    if (/^\d+$/.test(name)) {
      const s = stat(name);
      if (s) {
        parents.set(Number(name), s.ppid);
        ticks.set(Number(name), s.ticks);
      }
    }
  }
  let total = 0;
  for (const [pid, used] of ticks) {
    for (let p = pid; p > 1; p = parents.get(p)) {
      if (p === root) {
        total += used;
        break;
      }
      if (!parents.has(p)) {
        break;
      }
    }
  }
  return total / TICKS_PER_SECOND;
}

async function open(browser, url) {
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600 });
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('reedfall-field').length > 0);
  return page;
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const percent = (cpu) => `${((100 * cpu) / seconds).toFixed(2)} %`;

(async () => {
  const server = await serve(site);
  const bare = await serve(__dirname);

  // The first load: bytes and paints, in a browser of its own.
  {
    const browser = await b.launch();
    const page = await browser.newPage();
    await page.setViewport({ width: 800, height: 600 });
    await page.goto(server.url);
    await page.waitForFunction(() => performance.getEntriesByName('reedfall-field').length > 0);
    await sleep(1000); // the service worker's own fetches of the site are not the first load
    const paints = await page.evaluate(() => ({
      first: performance.getEntriesByName('first-paint')[0]?.startTime,
      contentful: performance.getEntriesByName('first-contentful-paint')[0]?.startTime,
      field: performance.getEntriesByName('reedfall-field')[0].startTime,
    }));
    await browser.close();
    const sent = [...server.sent.entries()];
    console.log('First load (gzip where the browser asks for it, as a static host sends it):');
    for (const [name, bytes] of sent.sort((x, y) => y[1] - x[1])) {
      console.log(`  ${name.padEnd(28)} ${String(bytes).padStart(8)} bytes`);
    }
    const total = sent.reduce((sum, [, bytes]) => sum + bytes, 0);
    console.log(`  ${'all, page and service worker'.padEnd(28)} ${String(total).padStart(8)} bytes ` +
                `(${(total / 1024).toFixed(1)} KiB; goal: at most 250 KB)`);
    const files = fs.readdirSync(site, { recursive: true })
      .filter((name) => fs.statSync(path.join(site, name)).isFile());
    const size = files.reduce((sum, name) => sum + fs.statSync(path.join(site, name)).size, 0);
    console.log(`  the site on disk: ${files.length} files, ${size} bytes`);
    console.log(`Time to first paint: ${paints.first?.toFixed(0)} ms; first contentful paint: ` +
                `${paints.contentful?.toFixed(0)} ms; the game's field painted: ` +
                `${paints.field.toFixed(0)} ms`);
  }

  // In play, beside the bare page, over the same seconds.
  const gameBrowser = await b.launch();
  const bareBrowser = await b.launch();
  const gamePage = await open(gameBrowser, server.url);
  const barePage = await open(bareBrowser, `${bare.url}bare.html`);
  const prompt = await b.clientPoint(gamePage, 243, 140);
  await gamePage.mouse.click(prompt.x, prompt.y);
  await sleep(1000);
  const gamePid = gameBrowser.process().pid;
  const barePid = bareBrowser.process().pid;
  const before = [treeCpu(gamePid), treeCpu(barePid)];
  await sleep(seconds * 1000);
  const used = [treeCpu(gamePid) - before[0], treeCpu(barePid) - before[1]];
  const state = JSON.parse(await gamePage.evaluate(() => window.Reedfall.dump()));
  await gameBrowser.close();
  await bareBrowser.close();
  console.log(`In play, ${seconds} s side by side (CPU of all of each chromium's processes, ` +
              'per cent of one core):');
  console.log(`  the game:      ${percent(used[0])} (game clock ${state.t} ms, ` +
              `Time Left ${state.state.TimeLeft})`);
  console.log(`  the bare page: ${percent(used[1])}`);
  console.log(`  ratio: ${(used[0] / used[1]).toFixed(2)} (goal: at most 1.2)`);

  // At the start screen, where nothing runs.
  {
    const browser = await b.launch();
    await open(browser, server.url);
    await sleep(1000);
    const pid = browser.process().pid;
    const start = treeCpu(pid);
    await sleep(seconds * 1000);
    const idle = treeCpu(pid) - start;
    await browser.close();
    console.log(`At the start screen, ${seconds} s: ${percent(idle)} (goal: close to zero)`);
  }

  await server.close();
  await bare.close();
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
