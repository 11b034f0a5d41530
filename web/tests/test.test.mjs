// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The graded test on the page, by touch on a phone and by keyboard, light and dark: the
// choices on the screen and tall enough for a thumb, keys that type into the field, the
// verdict heard, the overrule, and axe with the choices and with the field showing.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { serve, visit, bank } from './harness.mjs';

const axeSource = await readFile(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const server = await serve();
after(() => server.close());

test('a test of each form by touch at 360 x 640 and by keyboard, light and dark', async (t) => {
  for (const [touch, colorScheme] of [[true, 'light'], [false, 'dark']]) {
    const { page } = await visit(t, server, { colorScheme, bypassCSP: true, viewport: { width: 360, height: 640 },
      hasTouch: touch, isMobile: touch });
    await page.addScriptTag({ content: axeSource });
    const axe = async (when) => {
      const { violations } = await page.evaluate(() => window.axe.run(document));
      assert.deepEqual(violations.filter((v) => ['serious', 'critical'].includes(v.impact)).map((v) => v.id), [], when);
    };
    const text = (id) => page.textContent(`#${id}`);
    const answer = async () => bank(page, 'answer', await page.evaluate(() => {
      const [title, question] = ['lblTitle', 'lblQuestion'].map((id) => document.getElementById(id).textContent);
      for (let item = 1; window.tavrinBank('question', item); item++)
        if (window.tavrinBank('title', item) === title && window.tavrinBank('question', item) === question) return item;
      return 0;
    }));
    await page.keyboard.press('c');
    await page.keyboard.press('Space');
    assert.equal(await page.isVisible('#cmdRand'), false); // Space skips nothing
    await page.keyboard.press('Space');
    assert.equal(await page.isVisible('#choices'), true);
    // Each choice wholly on the screen, a thumb's height, named by its text alone.
    const boxes = await page.evaluate(() => [1, 2, 3, 4].map((k) => {
      const button = document.getElementById(`cmdChoice${k}`);
      return { ...button.getBoundingClientRect().toJSON(), text: button.querySelector('[data-text]').textContent };
    }));
    for (const box of boxes)
      assert.ok(box.height >= 44 && box.top >= 0 && box.bottom <= 640 && box.right <= 360, JSON.stringify(box));
    assert.equal(await page.getAttribute('#LookUp', 'aria-disabled'), 'true'); // closed-book
    await axe(`${colorScheme}: choices`);
    const right = await answer();
    const at = boxes.findIndex((box) => box.text === right);
    assert.ok(at >= 0);
    // A wrong one by tap or digit: whose value it is, said and heard.
    const wrong = (at + 1) % 4;
    await (touch ? page.tap(`#cmdChoice${wrong + 1}`) : page.keyboard.press(String(wrong + 1)));
    assert.equal(await text('lblAnswer'), right);
    assert.ok((await text('announcer')).startsWith(`WRONG. THE ANSWER IS ${right}. YOU CHOSE ${boxes[wrong].text}. `));
    assert.equal(await text('lblScore'), '0 RIGHT');

    // The written form: every key types, Enter checks once, O counts it right.
    await page.keyboard.press('w');
    await page.keyboard.press('Space');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'txtAnswer');
    await page.keyboard.type('cwsa1/ ');
    assert.equal(await page.inputValue('#txtAnswer'), 'cwsa1/ ');
    assert.equal(await text('lblCounter'), '1');
    await axe(`${colorScheme}: field`);
    await page.fill('#txtAnswer', `${await answer()} roughly`);
    await page.keyboard.press('Enter');
    assert.equal(await text('cmdRand'), 'NEXT QUESTION');
    assert.ok((await text('lblVerdict')).startsWith('WRONG. YOU WROTE '));
    const field = await page.evaluate(() => document.getElementById('cmdCountRight').getBoundingClientRect().bottom);
    assert.ok(field <= 640);
    await (touch ? page.tap('#cmdCountRight') : page.keyboard.press('o'));
    assert.deepEqual([await text('lblVerdict'), await text('lblScore')], ['RIGHT', '1 RIGHT']);
    assert.ok((await text('announcer')).startsWith('RIGHT. THE ANSWER IS '));
    assert.equal(await page.evaluate(() => document.scrollingElement.scrollWidth <= innerWidth), true);
  }
});
