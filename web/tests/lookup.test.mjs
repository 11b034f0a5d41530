// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Look Up on the page: by keyboard and by touch, the table against the bank, the printed
// sheet, and the search text kept as text under the page's Content-Security-Policy.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { serve, browse, open, look, bank, clickAll } from './harness.mjs';

let server;
before(async () => (server = await serve()));
after(() => server.close());

// The rows shown, as "title|question|answer", and the count line.
const table = (page) => page.evaluate(() => ({
  rows: [...document.querySelectorAll('#limits .section:not([hidden]) tbody tr:not([hidden])')].map((row) =>
    [row.closest('table').caption.textContent, ...[...row.cells].map((cell) => cell.textContent)].join('|')),
  titles: document.querySelectorAll('#limits .section:not([hidden]) caption').length,
  count: document.getElementById('lookUpCount').textContent,
}));

test('Look Up by keyboard and by touch over a running review, which it leaves as it was', async (t) => {
  for (const touch of [false, true]) {
    const { page, close } = await browse(touch ? { viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true } : {});
    t.after(close);
    await open(page, server.url);
    await page.keyboard.press('Control+r');
    await page.keyboard.press('Space');
    const review = await look(page);
    await (touch ? clickAll(page, 'File', 'LookUp') : page.keyboard.press('/'));
    assert.equal((await look(page)).focus, 'search');
    let seen = await table(page);
    assert.deepEqual([seen.rows.length, seen.titles, seen.count], [204, 33, '204 OF 204 LIMITS']);
    for (const item of [1, 99, 204]) {
      const card = [await bank(page, 'title', item), await bank(page, 'question', item), await bank(page, 'answer', item)];
      assert.equal(seen.rows[item - 1], card.join('|'));
    }
    assert.equal(seen.rows[98], 'PROPS|To Unlock Pitchlock |Increase 2 deg');
    await page.keyboard.type('Tit start');
    seen = await table(page);
    assert.deepEqual([seen.rows.length, seen.titles, seen.count], [10, 1, '10 OF 204 LIMITS']);
    assert.equal(seen.rows[9], 'STARTING TIT|Stop Start/781/Overtemp|Exceeds 965C');
    // The search is plain text wherever it shows, and runs nothing.
    const alerts = [];
    page.on('dialog', (dialog) => { alerts.push(dialog.message()); dialog.dismiss(); });
    await page.fill('#search', '<img src=x onerror=alert(1)>');
    seen = await table(page);
    assert.deepEqual([seen.rows.length, seen.count], [0, 'NO LIMIT MATCHES "<img src=x onerror=alert(1)>".']);
    assert.equal(await page.locator('#lookUpBox img').count(), 0);
    await page.fill('#search', '');
    assert.equal((await table(page)).count, '204 OF 204 LIMITS');
    // Nothing wider than the screen: long texts wrap.
    assert.ok(await page.evaluate(() => document.getElementById('limits').getBoundingClientRect().right <= innerWidth));
    await page.fill('#search', 'oil');
    await (touch ? page.tap('#lookUpClose') : page.keyboard.press('Escape'));
    // The focus goes back where it was as the box closes (a task later: waited for, within a bound).
    await page.waitForFunction((id) => document.activeElement?.id === id, review.focus, { timeout: 2000 });
    assert.deepEqual(await look(page), review);
    await (touch ? clickAll(page, 'File', 'LookUp') : page.keyboard.press('/'));
    assert.deepEqual([await page.inputValue('#search'), (await table(page)).count], ['', '204 OF 204 LIMITS']);
    assert.deepEqual(alerts, []);
  }
});

test('printed with Look Up open: every limit under its title, no menu, button or search field', async () => {
  const { page, close } = await browse();
  try {
    await open(page, server.url);
    await page.keyboard.press('/');
    await page.keyboard.type('oil'); // the printed sheet holds every limit all the same
    await page.emulateMedia({ media: 'print' });
    const printed = await page.evaluate(() => {
      const visible = (selector) => [...document.querySelectorAll(selector)].filter((e) => e.checkVisibility());
      const colours = new Set([...document.querySelectorAll('#limits td, #limits caption')].map((e) => getComputedStyle(e).color));
      return { rows: visible('#limits tbody tr').length, titles: visible('#limits caption').length,
               controls: visible('nav, button, input, #lookUpCount').length, colours: [...colours] };
    });
    assert.deepEqual(printed, { rows: 204, titles: 33, controls: 0, colours: ['rgb(0, 0, 0)'] });
    // Chromium's own PDF of the page, as text: the header, then every title and limit in
    // order, and nothing else.
    const pdf = join(await mkdtemp(join(tmpdir(), 'tavrin-print-')), 'sheet.pdf');
    await page.pdf({ path: pdf, format: 'A4' });
    const text = execFileSync('pdftotext', [pdf, '-']).toString();
    await rm(dirname(pdf), { recursive: true });
    const expected = ['LIMIT VALUE'];
    for (let item = 1, title = ''; item <= 204; item++) {
      if ((await bank(page, 'title', item)) !== title) expected.push((title = await bank(page, 'title', item)));
      expected.push(await bank(page, 'question', item), await bank(page, 'answer', item));
    }
    const words = (s) => s.replace(/\s+/g, ' ').trim();
    assert.equal(words(text), words(expected.join(' ')));
  } finally {
    await close();
  }
});

test('the page loads only its own files: an inline script is refused and runs nothing', async () => {
  const { page, close } = await browse();
  try {
    await page.addInitScript(() => document.addEventListener('securitypolicyviolation', (e) => (window.refused = e.effectiveDirective)));
    await open(page, server.url);
    const seen = await page.evaluate(async () => {
      document.head.append(Object.assign(document.createElement('script'), { textContent: 'window.inlineRan = true' }));
      for (let wait = 0; wait < 100 && !window.refused; wait++) await new Promise((resolve) => setTimeout(resolve, 20));
      return [window.inlineRan ?? false, window.refused];
    });
    assert.deepEqual(seen, [false, 'script-src-elem']);
  } finally {
    await close();
  }
});
