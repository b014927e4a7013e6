// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the game: it lays the client area out at the scale the screen affords, copies
// what the game redrew into the two canvases, writes the labels, opens the round-end box, runs
// the File menu, turns presses into the game's clicks and double-clicks, and sleeps until the
// game's next tick with one timeout. Nothing runs while nothing can change. The game writes
// itself down as a script as it is played: the page saves it, and plays a saved one back.
'use strict';

(() => {
  // A second tap counts as a double-click within this time and distance of the first, as a
  // desktop's second click does (a finger lands less precisely than a mouse).
  const DOUBLE_TAP_MS = 500;
  const DOUBLE_TAP_CSS_PX = 24;

  const $ = (id) => document.getElementById(id);
  const game = $('game');
  const client = $('client');
  const field = $('field');
  const below = $('below');
  const above = $('above');
  const menubar = $('menubar');
  const fileButton = $('file');
  const fileMenu = $('file-menu');
  const menuItems = [$('new-game'), $('end')];
  const box = $('box');

  let M = null; // the game, once its WebAssembly has started
  // What the game says of itself (web/page.h): the client area's size in pixels, the bits of
  // what changed, the kinds of event, and the labels with their places and fonts.
  let C = null;
  let t0 = 0; // performance.now() at the game's start: its clock's 0
  let timer = 0;
  let ended = false;
  let unit = 1; // CSS pixels per art pixel
  let band = false; // the status labels in a band of text of their own (placeBand)
  let factor = 1; // device pixels per art pixel drawn by the game: 1, or less when averaged
  let labels = []; // { el, rect } in the order of the game's label table
  let lastTap = null;
  let altAlone = false;
  let boxShown = false; // the game waits for the box's OK
  let replaying = false; // a saved game plays back

  const now = () => performance.now() - t0;

  // --- Time: one timeout, to the next tick that can act. ---

  function schedule() {
    clearTimeout(timer);
    timer = 0;
    if (ended) {
      return;
    }
    const due = M._rf_next_wake();
    if (due >= 0) {
      timer = setTimeout(wake, Math.max(0, Math.ceil(due - now())));
    }
  }

  function wake() {
    timer = 0;
    show(send(C.events.wake));
  }

  // --- What changed, onto the page. ---

  // An event of the player's or a wake-up, at the game's time; a press at (x, y) in pixels of
  // the client area.
  function send(kind, x = 0, y = 0) {
    return M._rf_send(kind, now(), x, y);
  }

  function show(changed) {
    if (changed & C.changed.ended) {
      end();
      return;
    }
    if (changed & C.changed.field) {
      paint(changed & C.changed.below);
    }
    if (changed & C.changed.labels) {
      writeLabels(M._rf_labels_changed());
    }
    if (changed & C.changed.boxClosed && box.open) {
      boxShown = false;
      box.close();
    }
    if (changed & C.changed.box) {
      openBox();
    }
    if (replaying) {
      // What the played-back script's dump lines print, as the driver prints them.
      const printed = M.UTF8ToString(M._rf_replay_output());
      if (printed) {
        console.log(printed.trimEnd());
      }
    }
    schedule();
  }

  function layerImage(layer, width, height) {
    const bytes = new Uint8ClampedArray(M.HEAPU8.buffer, M._rf_layer(layer), width * height * 4);
    return new ImageData(bytes, width, height);
  }

  function paint(belowToo) {
    const width = M._rf_field_width();
    const height = M._rf_field_height();
    for (const canvas of [below, above]) {
      if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
      }
    }
    if (belowToo) {
      below.getContext('2d').putImageData(layerImage(0, width, height), 0, 0);
    }
    const count = M._rf_changed_count();
    const rects = new Int32Array(M.HEAPU8.buffer, M._rf_changed_rects(), count * 4);
    const image = layerImage(1, width, height);
    const context = above.getContext('2d');
    for (let i = 0; i < count * 4; i += 4) {
      context.putImageData(image, 0, 0, rects[i], rects[i + 1], rects[i + 2], rects[i + 3]);
    }
  }

  function writeLabels(mask) {
    labels.forEach((label, id) => {
      if (mask & (1 << id)) {
        const text = M.UTF8ToString(M._rf_label_caption(id));
        if (label.el.textContent !== text) {
          label.el.textContent = text;
        }
        label.el.hidden = !M._rf_label_visible(id);
      }
    });
  }

  // The labels of the game's table; the status labels go into the page row by row, so that a
  // screen reader reads them as the eye does, left to right and top to bottom.
  // They are no live region: the clock alone would be spoken every 0.6 s over the game. The
  // round's end is what a screen reader announces, as its modal dialog opens, with its title
  // and its text, as the desktop's box is.
  function makeLabels() {
    for (const { name, left, top, width, height, fontPx } of C.labels) {
      let el = $(name);
      if (!el) {
        el = document.createElement('div');
        el.id = name;
        el.className = 'label status';
        el.hidden = true;
      }
      labels.push({ el, place: { left, top, width, height }, fontPx, message: name === 'lblMessage' });
    }
    labels
      .filter((label) => !label.message)
      .sort((a, b) => a.place.top - b.place.top || a.place.left - b.place.left)
      .forEach((label) => client.appendChild(label.el));
  }

  // --- Scale: whole device pixels per art pixel, as many as fit; below one, averaged. ---

  // Where the field is drawn smaller than one CSS pixel to the art pixel, the status labels
  // would be too small to read: they leave the picture for a band of text below the field,
  // laid out for the screen, in the desktop's rows and columns.
  const BAND_MIN_FONT_PX = 12;
  const BAND_LINE = 1.4; // a row's height, in its font's size

  function placeBand(fieldCssHeight, gameLeft, screenWidth) {
    const status = labels.filter((label) => !label.message);
    const tops = [...new Set(status.map((label) => label.place.top))].sort((a, b) => a - b);
    const lefts = [...new Set(status.map((label) => label.place.left))].sort((a, b) => a - b);
    const columnWidth = screenWidth / lefts.length;
    let bottom = fieldCssHeight;
    for (const { el, place, fontPx } of status) {
      const size = Math.max(BAND_MIN_FONT_PX, fontPx * unit);
      const row = tops.indexOf(place.top);
      el.style.left = `${lefts.indexOf(place.left) * columnWidth + size / 2 - gameLeft}px`;
      el.style.top = `${fieldCssHeight + size / 2 + row * size * BAND_LINE}px`;
      el.style.width = `${columnWidth - size / 2}px`;
      el.style.height = `${size * BAND_LINE}px`;
      el.style.fontSize = `${size}px`;
      bottom = Math.max(bottom, fieldCssHeight + size + (row + 1) * size * BAND_LINE);
    }
    return bottom;
  }

  function layout() {
    // The game's place and scale (index.html's placeGame, which placed it before the first
    // paint with the same figures).
    const { dpr, width, fit, whole, deviceScale, left } = placeGame(C.clientWidth, C.clientHeight);
    unit = deviceScale / dpr;
    const wantFactor = whole >= 1 ? 1 : fit;
    band = unit < 1;
    let clientHeight = Math.round(C.clientHeight * deviceScale) / dpr;
    client.classList.toggle('band', band);
    for (const { el, place, fontPx, message } of labels) {
      el.style.left = `${place.left * unit}px`;
      el.style.top = `${place.top * unit}px`;
      el.style.width = `${place.width * unit}px`;
      el.style.height = `${place.height * unit}px`;
      // The prompt and the messages keep their place in the picture, but not a size below
      // what a phone's player can read; their box has room for it.
      const size = band && message ? Math.max(BAND_MIN_FONT_PX, fontPx * unit) : fontPx * unit;
      el.style.fontSize = `${size}px`;
    }
    if (band) {
      clientHeight = placeBand(Math.round(C.fieldHeight * deviceScale) / dpr, left, width);
    }
    client.style.height = `${clientHeight}px`;

    let changed = 0;
    if (wantFactor !== factor) {
      factor = wantFactor;
      changed = M._rf_set_factor(factor);
    }
    const fieldWidth = M._rf_field_width();
    const fieldHeight = M._rf_field_height();
    const cssWidth = (whole >= 1 ? fieldWidth * whole : fieldWidth) / dpr;
    const cssHeight = (whole >= 1 ? fieldHeight * whole : fieldHeight) / dpr;
    field.style.width = `${cssWidth}px`;
    field.style.height = `${cssHeight}px`;
    for (const canvas of [below, above]) {
      canvas.style.width = `${cssWidth}px`;
      canvas.style.height = `${cssHeight}px`;
      canvas.classList.toggle('blocks', whole >= 1);
    }
    return changed;
  }

  // --- The player's presses. ---

  // A press on a label of the band is a press on that label where the game has it.
  function artPoint(event) {
    const label = band && labels.find(({ el, message }) => !message && el === event.target);
    if (label) {
      const { left, top, width, height } = label.place;
      return [left + width / 2, top + height / 2];
    }
    const area = client.getBoundingClientRect();
    return [(event.clientX - area.left) / unit, (event.clientY - area.top) / unit];
  }

  function press(event) {
    const [x, y] = artPoint(event);
    show(send(C.events.press, x, y));
  }

  function doubleClick() {
    show(send(C.events.doubleClick));
  }

  // A mouse: the press is the click, as on the desktop. The system counts the presses of a
  // double-click: the second is the double-click, the third a click again.
  client.addEventListener('mousedown', (event) => {
    if (event.button !== 0 || !M || ended) {
      return;
    }
    event.preventDefault();
    if (closeMenu()) {
      return; // the press that closes an open menu does nothing else
    }
    if (event.detail > 1 && event.detail % 2 === 0) {
      doubleClick();
    } else {
      press(event);
    }
  });

  // A finger or a pen: the touch is the click; a second touch soon after and close by is the
  // double-click. Cancelling the pointer's press keeps the browser's mouse events away.
  client.addEventListener('pointerdown', (event) => {
    if (event.pointerType === 'mouse' || !event.isPrimary || !M || ended) {
      return;
    }
    event.preventDefault();
    if (closeMenu()) {
      return;
    }
    const tap = { t: event.timeStamp, x: event.clientX, y: event.clientY };
    const isDouble =
      lastTap !== null &&
      tap.t - lastTap.t <= DOUBLE_TAP_MS &&
      Math.hypot(tap.x - lastTap.x, tap.y - lastTap.y) <= DOUBLE_TAP_CSS_PX;
    lastTap = isDouble ? null : tap;
    if (isDouble) {
      doubleClick();
    } else {
      press(event);
    }
  });

  // A long press shows no menu over the game.
  client.addEventListener('contextmenu', (event) => event.preventDefault());

  // --- The round-end box. ---

  function openBox() {
    $('box-title').textContent = M.UTF8ToString(M._rf_box_title());
    $('box-text').textContent = M.UTF8ToString(M._rf_box_text());
    closeMenu();
    box.showModal();
    boxShown = true;
    $('box-ok').focus();
  }

  // OK, Return and Escape all go on with the round end, at once.
  function closeBox() {
    if (box.open) {
      box.close();
    }
    if (boxShown && M && !ended) {
      boxShown = false;
      show(send(C.events.boxClosed));
    }
  }

  $('box-ok').addEventListener('click', closeBox);
  // Escape.
  box.addEventListener('cancel', (event) => {
    event.preventDefault();
    closeBox();
  });
  box.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      closeBox();
    }
  });
  // However else the browser may close it.
  box.addEventListener('close', closeBox);

  // --- The File menu: the mouse, and the access keys Alt+F, then N or E. ---

  function menuOpen() {
    return !fileMenu.hidden;
  }

  function openMenu(focusFirst) {
    fileMenu.hidden = false;
    fileButton.setAttribute('aria-expanded', 'true');
    if (focusFirst) {
      menuItems[0].focus();
    }
  }

  // Closes the menu; true if it was open.
  function closeMenu() {
    if (!menuOpen()) {
      return false;
    }
    fileMenu.hidden = true;
    fileButton.setAttribute('aria-expanded', 'false');
    if (fileMenu.contains(document.activeElement) || document.activeElement === fileButton) {
      document.activeElement.blur();
    }
    return true;
  }

  function choose(item) {
    closeMenu();
    if (!M || ended) {
      return;
    }
    if (item === menuItems[0]) {
      show(send(C.events.newGame));
    } else {
      show(send(C.events.end));
    }
  }

  // A menu opens on the press, as a desktop's does.
  fileButton.addEventListener('mousedown', (event) => {
    if (event.button !== 0) {
      return;
    }
    event.preventDefault();
    if (menuOpen()) {
      closeMenu();
    } else {
      openMenu(false);
    }
  });
  fileButton.addEventListener('click', (event) => {
    // A click that no press opened: a screen reader's, or the keyboard's on the focused button.
    if (event.detail === 0 && !menuOpen()) {
      openMenu(true);
    }
  });
  for (const item of menuItems) {
    item.addEventListener('mousedown', (event) => event.preventDefault());
    item.addEventListener('click', () => choose(item));
    item.addEventListener('mouseenter', () => item.focus());
  }
  document.addEventListener('mousedown', (event) => {
    if (!menubar.contains(event.target) && !client.contains(event.target)) {
      closeMenu();
    }
  });

  document.addEventListener('keydown', (event) => {
    if (!M || ended || box.open) {
      return;
    }
    const key = event.key.length === 1 ? event.key.toLowerCase() : event.key;
    altAlone = key === 'Alt' && !event.repeat;
    if (event.altKey && !event.ctrlKey && !event.metaKey && (key === 'f' || event.code === 'KeyF')) {
      event.preventDefault();
      openMenu(true);
      return;
    }
    if (menuOpen()) {
      const at = menuItems.indexOf(document.activeElement);
      if (key === 'n' || key === 'e') {
        event.preventDefault();
        choose(menuItems[key === 'n' ? 0 : 1]);
      } else if (key === 'ArrowDown' || key === 'ArrowUp') {
        event.preventDefault();
        const step = key === 'ArrowDown' ? 1 : menuItems.length - 1;
        menuItems[((at < 0 ? -1 : at) + step + menuItems.length) % menuItems.length].focus();
      } else if ((key === 'Enter' || key === ' ') && at >= 0) {
        event.preventDefault();
        choose(menuItems[at]);
      } else if (key === 'Escape') {
        event.preventDefault();
        closeMenu();
      }
      return;
    }
    if (document.activeElement === fileButton) {
      // The menu bar has the keyboard after a lone Alt: F, Down, Return or Space open the menu.
      if (key === 'f' || key === 'ArrowDown' || key === 'Enter' || key === ' ') {
        event.preventDefault();
        openMenu(true);
      } else if (key === 'Escape' || key === 'Alt') {
        event.preventDefault();
        fileButton.blur();
      }
    }
  });
  // Alt pressed and let go alone gives the menu bar the keyboard, as on the desktop.
  document.addEventListener('keyup', (event) => {
    if (event.key === 'Alt' && altAlone && M && !ended && !box.open && !menuOpen()) {
      event.preventDefault();
      if (document.activeElement === fileButton) {
        fileButton.blur();
      } else {
        fileButton.focus();
      }
    }
    altAlone = false;
  });

  // --- File > End: the game is over, nothing runs; the page offers to start again. ---

  function end() {
    ended = true;
    clearTimeout(timer);
    timer = 0;
    closeMenu();
    if (box.open) {
      box.close();
    }
    game.hidden = true;
    $('ended').hidden = false;
    $('again').focus();
  }

  $('again').addEventListener('click', () => window.location.reload());

  // --- Start. ---

  // --- The game as a script: saved, and played back. ---

  // The game up to this moment, as a script that reedfall-sim replays to this very state: the
  // game is brought up to the clock first. None while a saved game plays back.
  function script() {
    if (!M || replaying) {
      return null;
    }
    if (!ended) {
      show(send(C.events.wake));
    }
    return M.UTF8ToString(M._rf_script());
  }

  const twoDigits = (n) => String(n).padStart(2, '0');

  function save() {
    const text = script();
    if (text === null) {
      return;
    }
    const at = new Date();
    const name = `reedfall-${at.getFullYear()}${twoDigits(at.getMonth() + 1)}` +
      `${twoDigits(at.getDate())}-${twoDigits(at.getHours())}${twoDigits(at.getMinutes())}` +
      `${twoDigits(at.getSeconds())}.rfs`;
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  }

  // Plays a saved game back from its start, at its own pace; the player's presses and New Game
  // do nothing meanwhile, File > End ends it.
  function replay(text) {
    if (!M || ended) {
      return;
    }
    const size = M.lengthBytesUTF8(text) + 1;
    const bytes = M._malloc(size);
    M.stringToUTF8(text, bytes, size);
    const error = M.UTF8ToString(M._rf_replay(bytes, size - 1));
    M._free(bytes);
    if (error) {
      console.error(`Reedfall: the saved game does not read: ${error}`);
      window.alert(`The saved game does not read: ${error}`);
      return;
    }
    replaying = true;
    $('save').disabled = true;
    closeMenu();
    if (box.open) {
      boxShown = false;
      box.close();
    }
    t0 = performance.now();
    writeLabels(~0);
    show(M._rf_set_factor(factor));
  }

  function replayFile(file) {
    if (file) {
      file.text().then(replay);
    }
  }

  $('save').addEventListener('click', save);
  $('open').addEventListener('click', () => $('script-file').click());
  $('script-file').addEventListener('change', (event) => {
    replayFile(event.target.files[0]);
    event.target.value = '';
  });
  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    replayFile(event.dataTransfer.files[0]);
  });

  window.Reedfall = {
    // The whole state as one line of JSON, as the driver's `dump` prints it: for bug reports.
    dump: () => (M ? M.UTF8ToString(M._rf_dump()) : null),
    // The game so far as a script for reedfall-sim, which replays it to the state that dump()
    // shows at the same moment.
    script,
  };

  window.addEventListener('resize', () => {
    if (M && !ended) {
      show(layout());
    }
  });

  if ('serviceWorker' in navigator && window.location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }

  // One task gives way to the others (input, paint) before the next part of the start: no part
  // may keep a slow phone from answering for long.
  const nextTask = () => new Promise((resolve) => setTimeout(resolve, 0));

  createReedfall().then(async (module) => {
    for (let part = 0; module._rf_prepare(part); ++part) {
      await nextTask();
    }
    C = JSON.parse(module.UTF8ToString(module._rf_constants()));
    await nextTask();
    const heading = `# Reedfall ${C.version}, recorded ${new Date().toISOString()}`;
    const size = module.lengthBytesUTF8(heading) + 1;
    const bytes = module._malloc(size);
    module.stringToUTF8(heading, bytes, size);
    module._rf_start(bytes);
    module._free(bytes);
    await nextTask();
    module._rf_draw();
    await nextTask();
    module._rf_show_all();
    await nextTask();
    M = module;
    t0 = performance.now();
    makeLabels();
    layout();
    writeLabels(~0);
    show(M._rf_set_factor(factor)); // everything, at the scale just chosen
    performance.mark('reedfall-field'); // for the benchmark's time to the first field
  });
})();
