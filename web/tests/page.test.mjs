// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page around the review: the menus by keyboard, the commands outside the
// review, and what axe finds, light and dark, from a phone to 200 % zoom.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { serve, visit, look, clickAll } from './harness.mjs';

const axeSource = await readFile(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const server = await serve();
after(() => server.close());

test('the menus by keyboard, and the commands outside the review', async (t) => {
  const { context, page, foreign } = await visit(t, server);
  // One tab stop, arrows across and down, Escape back up, Enter to choose.
  for (const [key, focus] of [['Tab', 'File'], ['ArrowRight', 'BeginReview'], ['ArrowDown', 'Order'],
    ['ArrowRight', 'Sequential'], ['ArrowDown', 'Random'], ['ArrowLeft', 'Order'], ['Escape', 'BeginReview'],
    ['ArrowLeft', 'File'], ['ArrowLeft', 'Help'], ['Enter', 'Donate'], ['End', 'About']]) {
    await page.keyboard.press(key);
    assert.equal((await look(page)).focus, focus, `after ${key}`);
  }
  await page.keyboard.press('Enter');
  assert.equal((await look(page)).dialog,
               '|CREATED BY:\nTavrin Training Software\nDATA CURRENT AS OF MARCH 2006\nopslimits@tavrin-training.example');
  assert.equal(await page.getAttribute('#message', 'aria-label'), 'About');
  await page.keyboard.press('Escape');
  const closed = await look(page);
  assert.deepEqual([closed.dialog, closed.focus], [null, 'Help']); // back where it was before the box
  // Ctrl+S in the same moment as the box closes: the focus stays where the command put it.
  for (const key of ['Enter', 'End', 'Enter']) await page.keyboard.press(key);
  await page.evaluate(() => { document.getElementById('message').close();
    document.activeElement.dispatchEvent(new KeyboardEvent('keydown', { key: 's', ctrlKey: true, bubbles: true })); });
  assert.equal((await look(page)).focus, 'cmdSeq');
  // Shortcuts with Ctrl and without; Exit returns to the picture.
  for (const [key, button] of [['Control+s', 'cmdSeq'], ['r', 'cmdRand'], ['Control+z', null], ['s', 'cmdSeq'], ['z', null]]) {
    await page.keyboard.press(key);
    assert.equal((await look(page)).button, button, key);
  }
  // A shortcut over an open menu runs its command and closes every menu.
  await clickAll(page, 'BeginReview', 'Order');
  await page.keyboard.press('Control+r');
  assert.deepEqual([await page.locator('[role="menu"]:visible').count(), (await look(page)).focus], [0, 'cmdRand']);
  // A held key steps once; a new review's first title is heard even when it was the last one heard.
  for (const key of ['Space', 'Enter']) {
    await page.keyboard.press('Control+s');
    await page.keyboard.down(key);
    await page.keyboard.down(key); // the key's repeat
    await page.keyboard.up(key);
    assert.deepEqual([(await look(page)).counter, (await look(page)).heard], ['1 OF 204', 'STARTING TIT. Max for Enrichment']);
  }
  await clickAll(page, 'File', 'Exit');
  const seen = await look(page);
  assert.deepEqual([seen.picture, seen.button, seen.focus], [true, null, 'Picture1']);
  // Make A Donation opens the donation page in a new tab, and nothing else leaves.
  await Promise.all([context.waitForEvent('page'), clickAll(page, 'Help', 'Donate')]);
  for (let wait = 0; wait < 100 && !foreign.length; wait++) await page.waitForTimeout(50);
  assert.deepEqual(foreign, ['https://tavrin-training.example/donate']);
});

test('axe finds nothing serious, light and dark, from a phone to 200 % zoom, at rest, in a review, with menus and a box open', async (t) => {
  // 640 x 400 is a 1280 x 800 browser at 200 %.
  for (const colorScheme of ['light', 'dark']) {
    for (const [width, height] of [[360, 640], [640, 400], [1024, 768]]) {
      await t.test(`${colorScheme} ${width} x ${height}`, async (t) => {
        // axe runs as an inline script, which the page's policy would refuse
        const { page } = await visit(t, server, { colorScheme, viewport: { width, height }, bypassCSP: true });
        await page.addScriptTag({ content: axeSource });
        const check = async (when) => {
          const where = `${colorScheme} ${width} x ${height}, ${when}`;
          const { violations } = await page.evaluate(() => window.axe.run(document));
          assert.deepEqual(violations.filter((v) => ['serious', 'critical'].includes(v.impact))
            .map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), [], where);
          assert.ok(await page.evaluate(() => document.scrollingElement.scrollWidth <= innerWidth), `${where}: too wide`);
        };
        await check('at rest');
        await page.keyboard.press('Control+s');
        for (let step = 0; step < 3; step++) await page.keyboard.press('Space');
        await check('question and answer shown');
        await clickAll(page, 'BeginReview', 'Order');
        await check('menus open');
        await clickAll(page, 'BeginReview', 'Help', 'About');
        await check('About open');
        await page.keyboard.press('Escape');
        await clickAll(page, 'BeginReview', 'Sections');
        await check('the sections box open');
        await page.keyboard.press('Escape');
        await clickAll(page, 'File', 'LookUp');
        await page.keyboard.type('oil');
        await check('Look Up open, filtered');
      });
    }
  }
});
