// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page as an installed study aid: installable, offline after one visit, one review
// per tab, storing nothing but its own files, and one clear sentence where it cannot run.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { serve, browse, open, visit, look, site } from './harness.mjs';

const server = await serve();
after(() => server.close());

test('installable; after one visit it reloads and runs a whole review offline, a tab each, storing nothing', async (t) => {
  t.after(() => (server.down = false));
  const { context, page, foreign } = await visit(t, server);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  const cdp = await context.newCDPSession(page);
  assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);

  server.down = true; // the network cut: the server answers nothing, the browser is offline
  await context.setOffline(true);
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  const other = await context.newPage();
  await open(other, server.url);
  // A whole random review by keyboard, each card heard, the end on the 204th
  // draw; the other tab meanwhile has a sequential review of its own.
  await page.keyboard.press('Control+r');
  await other.keyboard.press('Control+s');
  const firstDraws = [];
  for (let draw = 1; draw <= 204; draw++) {
    await page.keyboard.press(draw % 2 ? 'Space' : 'Enter');
    const step = await look(page); // heard even when the last question read the same
    assert.ok(step.counter === `${draw} OF 204` && step.heard.endsWith(step.question), JSON.stringify(step));
    if (draw <= 3) firstDraws.push(step.question);
    await page.keyboard.press(draw % 2 ? 'Enter' : 'Space');
    const card = await look(page);
    assert.deepEqual([card.heard, card.dialog !== null], [card.answer, draw === 204], `draw ${draw}`);
  }
  for (let step = 0; step < 3; step++) await other.keyboard.press('Space');
  const second = await look(other);
  assert.deepEqual([second.counter, second.caption], ['2 OF 204', 'ANSWER']);
  // Each tab's random order is seeded from the page's clock: the two draw apart.
  await other.keyboard.press('Control+r');
  const otherDraws = [];
  for (let draw = 1; draw <= 3; draw++) {
    await other.keyboard.press('Space');
    otherDraws.push((await look(other)).question);
    await other.keyboard.press('Space');
  }
  assert.notDeepEqual(otherDraws, firstDraws);
  await page.keyboard.press('Enter'); // the box's OK, then RESET
  await page.keyboard.press('Space');
  assert.equal((await look(page)).picture, true);

  // One cache, holding exactly the site's files; nothing else is stored.
  const files = [...(await readFile(`${site}/sw.js`, 'utf8')).matchAll(/"\.\/([^"]*)"/g)].map((m) => server.url + m[1]);
  const stored = await page.evaluate(async () => {
    const names = await caches.keys();
    const cached = (await (await caches.open(names[0])).keys()).map((request) => request.url);
    return { caches: names.length, cached: cached.sort(), local: localStorage.length, session: sessionStorage.length,
             databases: (await indexedDB.databases()).length, cookie: document.cookie };
  });
  assert.deepEqual(stored, { caches: 1, cached: files.sort(), local: 0, session: 0, databases: 0, cookie: '' });
  assert.deepEqual([await context.cookies(), foreign], [[], []]);
});

test('without JavaScript or WebAssembly, or when the drill fails to load, one sentence and no dead menu', async (t) => {
  for (const [options, breakIt] of [[{ javaScriptEnabled: false }, () => {}],
    [{}, (context) => context.addInitScript(() => delete window.WebAssembly)],
    [{}, (context) => context.route('**/drill.wasm', (route) => route.fulfill({ status: 404 }))]]) {
    const { context, page, close } = await browse({ serviceWorkers: 'block', ...options });
    t.after(close);
    await breakIt(context);
    await page.goto(server.url);
    await page.waitForFunction(() => [...document.querySelectorAll('.unavailable')].some((e) => e.checkVisibility()));
    const visible = await page.evaluate(() => [...document.querySelectorAll('nav, #Picture1, .review, .unavailable')]
      .filter((e) => e.checkVisibility()).map((e) => e.className));
    assert.deepEqual(visible, ['unavailable']);
  }
});

// The drill held back, and served as a host that calls it anything but application/wasm.
test('the menus answer before the drill, which waits for the picture; a command chosen meanwhile runs when it comes', async (t) => {
  const { context, page, close } = await browse({ serviceWorkers: 'block' });
  t.after(close);
  let release;
  const held = new Promise((resolve) => (release = resolve));
  const order = [];
  page.on('requestfinished', (request) => order.push(request.url().split('/').pop()));
  await context.route('**/drill.wasm', async (route) => {
    order.push('drill.wasm asked');
    await held;
    const response = await route.fetch();
    await route.fulfill({ status: 200, body: await response.body(), headers: { 'content-type': 'application/octet-stream' } });
  });
  await page.goto(server.url);
  await page.waitForFunction(() => performance.getEntriesByName('tavrin-menus').length > 0);
  await page.click('#BeginReview');
  await page.click('#Order');
  await page.click('#Sequential');
  assert.equal(await page.isVisible('#cmdSeq'), false);
  await page.waitForFunction(() => document.getElementById('Picture1').complete);
  release();
  await page.waitForSelector('body[data-ready="true"]');
  await page.waitForSelector('#cmdSeq:focus');
  await page.keyboard.press('Space');
  assert.equal(await page.textContent('#lblCounter'), '1');
  assert.ok(order.indexOf('picture.jpg') < order.indexOf('drill.wasm asked'), order.join(' '));
});
