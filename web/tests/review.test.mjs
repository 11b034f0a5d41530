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

// A study session, once by touch on a phone and once by keyboard: two sections chosen in the
// box, a sequential review with three items marked, the marked order down to none.
test('a study session by touch and by keyboard: sections, marks, the marked order down to none', async (t) => {
  const chosenItems = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 199, 200, 201, 202, 203, 204];
  for (const touch of [true, false]) {
    const { page, close } = await browse(touch ? { viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true }
                                               : { viewport: { width: 1024, height: 768 } });
    t.after(close);
    await open(page, server.url);
    const press = async (...keys) => { for (const key of keys) await page.keyboard.press(key); };
    const act = (id) => (touch ? page.tap(`#${id}`) : press({ cmdSeq: 'Space', cmdRand: 'Enter', chkAgain: 'a' }[id]));
    const cards = new Map();
    for (const item of chosenItems)
      cards.set(item, [await bank(page, 'title', item), await bank(page, 'question', item), await bank(page, 'answer', item)].join('|'));
    // A few cards written out, so that a fault in the bank's lookups cannot hide behind them.
    assert.equal(cards.get(10), 'STARTING TIT|Stop Start/781/Overtemp|Exceeds 965C');
    assert.equal(cards.get(199), 'MISCELLANEOUS|Crew Door Jettison|<3.1 inches Hg');

    // The box: None, OK refused in one sentence, then STARTING TIT and MISCELLANEOUS.
    if (touch) {
      await clickAll(page, 'BeginReview', 'Sections', 'sectionsNone', 'sectionsOk');
      assert.equal(await page.isVisible('#sectionsRefusal'), true);
      await clickAll(page, 'section1', 'section33', 'sectionsOk');
    } else {
      await press('Tab', 'ArrowRight', 'Enter', 'ArrowDown', 'Enter');
      assert.equal((await look(page)).focus, 'section1');
      await press(...Array(34).fill('Tab'), 'Space', 'Tab', 'Enter');
      assert.equal(await page.textContent('#sectionsRefusal'), 'CHOOSE AT LEAST ONE SECTION TO REVIEW.');
      assert.equal(await page.isVisible('#sectionsRefusal'), true);
      await press('Shift+Tab', 'Shift+Tab', 'Shift+Tab', 'Space', ...Array(32).fill('Shift+Tab'), 'Space', 'Enter');
    }
    assert.equal(await page.isVisible('#sectionsBox'), false);
    assert.equal(await page.getAttribute('#Marked', 'aria-disabled'), 'true');

    // Steps a review to its end box, each card against the bank, marking the items in
    // toMark; after a tap on the mark, the next step is a key, which must not undo it.
    const review = async (button, length, toMark = []) => {
      const shown = [];
      let keyNext = false;
      for (let n = 1; n <= length; n++) {
        await (keyNext ? press('Space') : act(button));
        assert.deepEqual([(await look(page)).counter, await page.isVisible('#chkAgain')], [`${n} OF ${length}`, false]);
        await act(button);
        const seen = await look(page);
        const item = chosenItems.find((i) => cards.get(i) === [seen.title, seen.question, seen.answer].join('|'));
        assert.ok(item, JSON.stringify(seen));
        shown.push(item);
        assert.equal(await page.getAttribute('#chkAgain', 'aria-pressed'), 'false'); // the answer cleared it
        keyNext = toMark.includes(item);
        if (keyNext) {
          await act('chkAgain');
          assert.deepEqual([await page.getAttribute('#chkAgain', 'aria-pressed'), (await look(page)).heard],
                           ['true', 'MARKED TO REVIEW AGAIN']);
        }
      }
      return shown;
    };

    await press('Control+s');
    assert.deepEqual(await review('cmdSeq', 16, [3, 10, 199]), chosenItems);
    assert.equal((await look(page)).dialog, 'CONGRATULATIONS!|YOU HAVE REACHED THE END OF THE REVIEW\n'
                 + '3 OF 16 MARKED TO REVIEW AGAIN. CHOOSE BEGIN REVIEW, ORDER, MARKED TO DRILL THEM.');
    await (touch ? page.tap('#messageOk') : press('Enter'));
    assert.equal(await page.textContent('#lblMarked'), '3 TO REVIEW AGAIN');
    await (touch ? clickAll(page, 'BeginReview', 'Order', 'Marked') : press('Control+m'));
    assert.deepEqual([(await look(page)).counter, (await look(page)).focus], ['0 OF 3', 'cmdRand']);
    assert.deepEqual((await review('cmdRand', 3)).sort((a, b) => a - b), [3, 10, 199]);
    assert.equal((await look(page)).dialog,
                 'CONGRATULATIONS!|YOU HAVE REACHED THE END OF THE REVIEW\nNONE IS STILL MARKED TO REVIEW AGAIN.');
    await (touch ? page.tap('#messageOk') : press('Enter'));
    assert.deepEqual([await page.getAttribute('#Marked', 'aria-disabled'), await page.isVisible('#lblMarked')], ['true', false]);
  }
});
