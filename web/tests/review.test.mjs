// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole review by touch on a phone: every card against the bank, what a screen reader
// is told, and that the card fits the screen. (A random one by keyboard: offline.test.mjs.)
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { serve, browse, open, look, bank, clickAll } from './harness.mjs';

let server;
before(async () => (server = await serve()));
after(() => server.close());

test('a whole sequential review by touch on a phone, each card as the bank has it', async (t) => {
  const { page, foreign, close } = await browse({ viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true });
  t.after(close);
  await open(page, server.url);
  await clickAll(page, 'BeginReview', 'Order', 'Sequential');
  let seen = await look(page);
  assert.deepEqual([seen.picture, seen.button, seen.counter, seen.focus], [false, 'cmdSeq', '0 OF 204', 'cmdSeq']);
  let title = '';
  for (let item = 1; item <= 204; item++) {
    await page.tap('#cmdSeq');
    seen = await look(page);
    const [newTitle, question] = [await bank(page, 'title', item), await bank(page, 'question', item)];
    assert.deepEqual([seen.title, seen.question, seen.answer, seen.counter], [newTitle, question, '', `${item} OF 204`]);
    // A new section's title is heard with its first question.
    assert.equal(seen.heard, (newTitle !== title ? `${newTitle}. ` : '') + question);
    title = newTitle;
    await page.tap('#cmdSeq');
    seen = await look(page);
    assert.deepEqual([seen.answer, seen.heard], Array(2).fill(await bank(page, 'answer', item)), `item ${item}`);
    if (item === 1 || item === 204) {
      // The whole card fits the screen with text of 16 px or more, the button in the thumb's reach.
      const fit = await page.evaluate(() => ({
        scroll: document.scrollingElement.scrollHeight - innerHeight,
        button: document.getElementById('cmdSeq').getBoundingClientRect(),
        text: Math.min(...[...document.querySelectorAll('#client :is(p, button):not([hidden])')]
          .map((e) => parseFloat(getComputedStyle(e).fontSize))) }));
      assert.ok(fit.scroll <= 0 && fit.text >= 16, JSON.stringify(fit));
      assert.ok(fit.button.height >= 48 && fit.button.width >= 320 && fit.button.bottom > 480);
    }
  }
  assert.equal(seen.dialog, 'CONGRATULATIONS!|YOU HAVE REACHED THE END OF THE REVIEW');
  await page.tap('#messageOk');
  seen = await look(page);
  assert.deepEqual([seen.dialog, seen.caption], [null, 'RESET']);
  await page.tap('#cmdSeq');
  seen = await look(page);
  assert.deepEqual([seen.picture, seen.button, seen.counter, seen.title, seen.focus], [true, null, null, null, 'Picture1']);

  assert.deepEqual(foreign, []);
});
