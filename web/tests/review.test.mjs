// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole reviews as people make them: by touch on a phone, by keyboard on a
// desktop; every card against the bank, and what a screen reader is told.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { serve, browse, open, look, bank, menu } from './harness.mjs';

let server;
before(async () => (server = await serve()));
after(() => server.close());

test('a whole sequential review by touch on a phone, each card as the bank has it', async () => {
  const { page, foreign, close } = await browse({ viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true });
  try {
    await open(page, server.url);
    assert.equal((await look(page)).focus, '');
    await menu(page, 'BeginReview', 'Order', 'Sequential');
    let seen = await look(page);
    assert.deepEqual([seen.picture, seen.button, seen.counter, seen.focus], [false, 'cmdSeq', '0 OF 204', 'cmdSeq']);
    let title = '';
    for (let item = 1; item <= 204; item++) {
      await page.tap('#cmdSeq');
      seen = await look(page);
      const expected = { title: await bank(page, 'title', item), question: await bank(page, 'question', item) };
      assert.deepEqual([seen.title, seen.question, seen.answer, seen.counter],
                       [expected.title, expected.question, '', `${item} OF 204`], `item ${item}`);
      // A new section's title is heard with its first question.
      assert.equal(seen.heard, (expected.title !== title ? `${expected.title}. ` : '') + expected.question);
      title = expected.title;
      await page.tap('#cmdSeq');
      seen = await look(page);
      assert.equal(seen.answer, await bank(page, 'answer', item), `item ${item}`);
      assert.equal(seen.heard, seen.answer);
      if (item === 1 || item === 204) {
        // The whole card fits the screen: nothing to scroll, the button in reach.
        const fit = await page.evaluate(() => ({
          scroll: document.scrollingElement.scrollHeight - innerHeight,
          button: document.getElementById('cmdSeq').getBoundingClientRect(),
          text: Math.min(...[...document.querySelectorAll('#client p:not([hidden]), #client button:not([hidden])')]
            .map((e) => parseFloat(getComputedStyle(e).fontSize))),
        }));
        assert.ok(fit.scroll <= 0, `scrolls by ${fit.scroll}px`);
        assert.ok(fit.button.height >= 48 && fit.button.width >= 320 && fit.button.bottom > 640 * 0.75);
        assert.ok(fit.text >= 16, `text of ${fit.text}px`);
      }
    }
    assert.equal(seen.dialog, 'CONGRATULATIONS!|YOU HAVE REACHED THE END OF THE REVIEW');
    await page.tap('#messageOk');
    seen = await look(page);
    assert.deepEqual([seen.dialog, seen.caption, seen.answer], [null, 'RESET', await bank(page, 'answer', 204)]);
    await page.tap('#cmdSeq');
    seen = await look(page);
    assert.deepEqual([seen.picture, seen.button, seen.counter, seen.title, seen.focus], [true, null, null, null, 'Picture1']);
    assert.deepEqual(foreign, []);
  } finally {
    await close();
  }
});

test('a whole random review by keyboard: every item once, the end on the 204th', async () => {
  const { page, close } = await browse();
  try {
    await open(page, server.url);
    await page.keyboard.press('Control+r');
    let seen = await look(page);
    assert.deepEqual([seen.button, seen.caption, seen.focus], ['cmdRand', 'START', 'cmdRand']);
    const asked = new Set();
    for (let draw = 1; draw <= 204; draw++) {
      await page.keyboard.press(draw % 2 ? 'Space' : 'Enter');
      seen = await look(page);
      assert.deepEqual([seen.counter, seen.answer, seen.caption], [`${draw} OF 204`, '', 'ANSWER'], `draw ${draw}`);
      await page.keyboard.press(draw % 2 ? 'Enter' : 'Space');
      seen = await look(page);
      // Question texts repeat across sections: the answer and title tell the item.
      const found = await page.evaluate(([q, a, t]) => {
        for (let i = 1; i <= 204; i++)
          if (window.tavrinBank('question', i) === q && window.tavrinBank('answer', i) === a &&
              window.tavrinBank('title', i) === t) return i;
        return 0;
      }, [seen.question, seen.answer, seen.title]);
      assert.ok(found > 0, `draw ${draw}`);
      asked.add(found);
      assert.equal(seen.dialog !== null, draw === 204, `draw ${draw}`);
    }
    assert.equal(asked.size, 204);
    await page.keyboard.press('Enter'); // the dialog's OK
    assert.equal((await look(page)).caption, 'RESET');
    await page.keyboard.press('Space');
    assert.equal((await look(page)).picture, true);
  } finally {
    await close();
  }
});
