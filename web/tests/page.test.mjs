// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page around the review: its menus by keyboard, the commands outside the
// review, what axe finds in light and dark, and the page at 200 % zoom.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { serve, browse, open, look, menu } from './harness.mjs';

const axeSource = await readFile(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
let server;
before(async () => (server = await serve()));
after(() => server.close());

test('the menus by keyboard, and the commands outside the review', async () => {
  const { context, page, foreign, close } = await browse();
  try {
    await open(page, server.url);
    const focus = async () => (await look(page)).focus;
    await page.keyboard.press('Tab');
    assert.equal(await focus(), 'File'); // the menu bar is one tab stop
    for (const [key, expected] of [['ArrowRight', 'BeginReview'], ['ArrowDown', 'Order'], ['ArrowRight', 'Sequential'],
                                   ['ArrowDown', 'Random'], ['ArrowLeft', 'Order'], ['Escape', 'BeginReview'],
                                   ['ArrowLeft', 'File'], ['ArrowLeft', 'Help'], ['Enter', 'Donate'], ['End', 'About']]) {
      await page.keyboard.press(key);
      assert.equal(await focus(), expected, `after ${key}`);
    }
    await page.keyboard.press('Enter');
    let seen = await look(page);
    assert.equal(seen.dialog, '|CREATED BY:\nTavrin Training Software\nDATA CURRENT AS OF MARCH 2006\nopslimits@tavrin-training.example');
    assert.equal(await page.getAttribute('#message', 'aria-label'), 'About');
    await page.keyboard.press('Escape');
    seen = await look(page);
    assert.deepEqual([seen.dialog, seen.focus], [null, 'Help']); // back where it was before the box

    // Shortcuts, with Ctrl and without; Exit returns to the picture.
    for (const [key, button] of [['Control+s', 'cmdSeq'], ['r', 'cmdRand'], ['Control+z', null], ['s', 'cmdSeq'], ['z', null]]) {
      await page.keyboard.press(key);
      assert.equal((await look(page)).button, button, key);
    }
    await page.keyboard.press('Control+r');
    await page.keyboard.press('Space');
    await menu(page, 'File', 'Exit');
    seen = await look(page);
    assert.deepEqual([seen.picture, seen.button, seen.focus], [true, null, 'Picture1']);

    // Make A Donation opens the donation page in a new tab, and nothing else leaves.
    const [tab] = await Promise.all([context.waitForEvent('page'), menu(page, 'Help', 'Donate')]);
    await tab.waitForLoadState().catch(() => {});
    assert.deepEqual(foreign, ['https://tavrin-training.example/donate']);
  } finally {
    await close();
  }
});

test('axe finds nothing serious, light and dark, at rest, in a review and with a box open', async () => {
  for (const colorScheme of ['light', 'dark']) {
    for (const viewport of [{ width: 360, height: 640 }, { width: 1024, height: 768 }]) {
      const { page, close } = await browse({ colorScheme, viewport });
      try {
        await open(page, server.url);
        await page.addScriptTag({ content: axeSource });
        const serious = async (when) => {
          const { violations } = await page.evaluate(() => window.axe.run(document));
          const found = violations.filter((v) => ['serious', 'critical'].includes(v.impact));
          assert.deepEqual(found.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), [],
                           `${colorScheme} ${viewport.width}px, ${when}`);
        };
        await serious('at rest');
        await page.keyboard.press('Control+s');
        for (let step = 0; step < 3; step++) await page.keyboard.press('Space');
        await serious('question and answer shown');
        await menu(page, 'BeginReview', 'Order');
        await serious('menus open');
        await menu(page, 'BeginReview', 'Help', 'About');
        await serious('About open');
      } finally {
        await close();
      }
    }
  }
});

test('at 200 % zoom the review still fits the width and the button is reachable', async () => {
  // A 1280 x 800 browser at 200 % is a 640 x 400 page.
  const { page, close } = await browse({ viewport: { width: 640, height: 400 } });
  try {
    await open(page, server.url);
    await page.keyboard.press('Control+s');
    await page.keyboard.press('Space');
    await page.keyboard.press('Space');
    const layout = await page.evaluate(() => ({
      overflow: document.scrollingElement.scrollWidth - innerWidth,
      button: document.getElementById('cmdSeq').getBoundingClientRect().width,
    }));
    assert.ok(layout.overflow <= 0 && layout.button >= 320, JSON.stringify(layout));
    await page.click('#cmdSeq');
    assert.equal((await look(page)).counter, '2 OF 204');
  } finally {
    await close();
  }
});
