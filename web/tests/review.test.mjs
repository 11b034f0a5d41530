// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole study session, by touch on a phone and by keyboard: a whole sequential review with
// three items marked, every card against the bank and what a screen reader is told, the card
// fitting the screen; then two sections chosen and the marked order down to none.
// (A random review by keyboard: offline.test.mjs.)
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { serve, visit, look, bank, clickAll } from './harness.mjs';

const server = await serve();
after(() => server.close());

test('a study session by touch on a phone and by keyboard, each card as the bank has it', async (t) => {
  for (const touch of [true, false]) {
    const { page, foreign } = await visit(t, server, touch ? { viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true } : {});
    const press = async (...keys) => { for (const key of keys) await page.keyboard.press(key); };
    const act = (id) => (touch ? page.tap(`#${id}`) : press({ cmdSeq: 'Space', cmdRand: 'Enter', chkAgain: 'a', messageOk: 'Enter' }[id]));
    const cards = [null];
    for (let item = 1; item <= 204; item++)
      cards.push(await Promise.all(['title', 'question', 'answer'].map((what) => bank(page, what, item))));

    // Steps a review to its end box, marking the items that toMark(item, n) picks; after a
    // tap on the mark the next step is a key, which must not undo it. Returns the items shown.
    const review = async (button, length, toMark = () => false) => {
      const shown = [];
      let title = '';
      let keyNext = false;
      for (let n = 1; n <= length; n++) {
        await (keyNext ? press('Space') : act(button));
        let seen = await look(page);
        const item = cards.findIndex((card) => card?.[0] === seen.title && card[1] === seen.question);
        assert.deepEqual([seen.counter, seen.answer, await page.isVisible('#chkAgain')], [`${n} OF ${length}`, '', false]);
        // A new section's title is heard with its first question, a new review's too.
        assert.equal(seen.heard, (seen.title !== title ? `${seen.title}. ` : '') + seen.question, `item ${item}`);
        title = seen.title;
        await act(button);
        seen = await look(page);
        assert.deepEqual([seen.answer, seen.heard, await page.getAttribute('#chkAgain', 'aria-pressed')],
                         [cards[item][2], cards[item][2], 'false']); // the answer cleared any mark
        shown.push(item);
        keyNext = toMark(item, n);
        if (keyNext) {
          await act('chkAgain');
          assert.deepEqual([await page.getAttribute('#chkAgain', 'aria-pressed'), (await look(page)).heard],
                           ['true', 'MARKED TO REVIEW AGAIN']);
        }
        if (touch && (n === 1 || n === length)) {
          // The whole card fits the screen with text of 16 px or more, the buttons in the thumb's reach.
          const fit = await page.evaluate(() => ({
            scroll: document.scrollingElement.scrollHeight - innerHeight,
            button: document.querySelector('.review:not([hidden])').getBoundingClientRect().toJSON(),
            again: document.getElementById('chkAgain').getBoundingClientRect().toJSON(),
            text: Math.min(...[...document.querySelectorAll('#client :is(p, button):not([hidden])')]
              .map((e) => parseFloat(getComputedStyle(e).fontSize))) }));
          assert.ok(fit.scroll <= 0 && fit.text >= 16 && fit.again.height >= 44 && fit.again.top > 400, JSON.stringify(fit));
          assert.ok(fit.button.height >= 48 && fit.button.width >= 320 && fit.button.bottom > 480);
        }
      }
      return shown;
    };

    await (touch ? clickAll(page, 'BeginReview', 'Order', 'Sequential') : press('Control+s'));
    assert.deepEqual([(await look(page)).counter, (await look(page)).focus], ['0 OF 204', 'cmdSeq']);
    assert.deepEqual(await review('cmdSeq', 204, (item) => [3, 10, 199].includes(item)), cards.map((_, i) => i).slice(1));
    assert.equal((await look(page)).dialog, 'CONGRATULATIONS!|YOU HAVE REACHED THE END OF THE REVIEW\n'
                 + '3 OF 204 MARKED TO REVIEW AGAIN. CHOOSE BEGIN REVIEW, ORDER, MARKED TO DRILL THEM.');
    await act('messageOk');
    await act('cmdSeq'); // RESET: the picture, with the focus; the marks stay
    assert.deepEqual([(await look(page)).picture, (await look(page)).focus], [true, 'Picture1']);

    // The sections box: None, OK refused in one sentence, then STARTING TIT and MISCELLANEOUS.
    if (touch) {
      await clickAll(page, 'BeginReview', 'Sections', 'sectionsNone', 'sectionsOk');
      assert.equal(await page.isVisible('#sectionsRefusal'), true);
      await clickAll(page, 'section1', 'section33', 'sectionsOk');
    } else {
      await press('Shift+Tab', 'ArrowRight', 'Enter', 'ArrowDown', 'ArrowDown', 'Enter'); // past Order and Test; back from the picture to the menu bar
      assert.equal((await look(page)).focus, 'section1');
      await press(...Array(34).fill('Tab'), 'Space', 'Tab', 'Enter'); // None, then OK
      assert.equal(await page.isVisible('#sectionsRefusal'), true);
      await press('Shift+Tab', 'Shift+Tab', 'Shift+Tab', 'Space', ...Array(32).fill('Shift+Tab'), 'Space', 'Enter');
    }
    assert.equal(await page.textContent('#sectionsRefusal'), 'CHOOSE AT LEAST ONE SECTION TO REVIEW.');
    assert.equal(await page.isVisible('#sectionsBox'), false);

    // The marked order: the three, each once, the first drawn missed again; then that one.
    const marked = async (length, toMark, box) => {
      await (touch ? clickAll(page, 'BeginReview', 'Order', 'Marked') : press('Control+m'));
      assert.deepEqual([(await look(page)).counter, (await look(page)).focus], [`0 OF ${length}`, 'cmdRand']);
      const items = await review('cmdRand', length, toMark);
      assert.equal((await look(page)).dialog, `CONGRATULATIONS!|YOU HAVE REACHED THE END OF THE REVIEW\n${box}`);
      await act('messageOk');
      return items.sort((a, b) => a - b);
    };
    assert.deepEqual(await marked(3, (item, n) => n === 1,
      '1 OF 3 STILL MARKED TO REVIEW AGAIN. CHOOSE BEGIN REVIEW, ORDER, MARKED TO DRILL THEM.'), [3, 10, 199]);
    assert.equal((await marked(1, () => false, 'NONE IS STILL MARKED TO REVIEW AGAIN.')).length, 1);
    assert.deepEqual([await page.getAttribute('#Marked', 'aria-disabled'), await page.isVisible('#lblMarked')], ['true', false]);
    assert.deepEqual(foreign, []);
  }
});
