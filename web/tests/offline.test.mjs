// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page as an installed study aid: offline after one visit, installable,
// storing nothing but its own files, one review per tab, and one clear
// sentence where the drill cannot run.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { serve, browse, open, look, site } from './harness.mjs';

let server;
before(async () => (server = await serve()));
after(() => server.close());

test('after one visit it is installable, and reloads and runs a whole review offline, storing nothing', async () => {
  const { context, page, foreign, close } = await browse();
  try {
    await open(page, server.url);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    const cdp = await context.newCDPSession(page);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);

    // The network cut: the server answers nothing and the browser is offline.
    server.down = true;
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await page.keyboard.press('Control+s');
    for (let step = 0; step < 408; step++) await page.keyboard.press('Space');
    const seen = await look(page);
    assert.deepEqual([seen.counter, seen.dialog], ['204 OF 204', 'CONGRATULATIONS!|YOU HAVE REACHED THE END OF THE REVIEW']);

    // The cache holds the site's own files and nothing else is stored.
    const expected = [...(await readFile(`${site}/sw.js`, 'utf8')).matchAll(/"\.\/([^"]*)"/g)]
      .map((match) => server.url + match[1]).sort();
    const stored = await page.evaluate(async () => {
      const cached = [];
      for (const name of await caches.keys())
        for (const request of await (await caches.open(name)).keys()) cached.push(request.url);
      return { cached: cached.sort(), caches: (await caches.keys()).length, local: localStorage.length,
               session: sessionStorage.length, databases: (await indexedDB.databases()).length, cookie: document.cookie };
    });
    assert.deepEqual(stored, { cached: expected, caches: 1, local: 0, session: 0, databases: 0, cookie: '' });
    assert.deepEqual(await context.cookies(), []);
    assert.deepEqual(foreign, []);
  } finally {
    server.down = false;
    await close();
  }
});

test('a second tab reviews on its own', async () => {
  const { context, page, close } = await browse();
  try {
    await open(page, server.url);
    await page.keyboard.press('Control+r');
    await page.keyboard.press('Space');
    const other = await context.newPage();
    await open(other, server.url);
    await other.keyboard.press('Control+s');
    for (let step = 0; step < 3; step++) await other.keyboard.press('Space');
    const [first, second] = [await look(page), await look(other)];
    assert.deepEqual([first.button, first.counter, second.button, second.counter],
                     ['cmdRand', '1 OF 204', 'cmdSeq', '2 OF 204']);
  } finally {
    await close();
  }
});

test('without WebAssembly, or when the drill fails to load, one sentence and no dead menu', async () => {
  for (const breakIt of [
    (context) => context.addInitScript(() => delete window.WebAssembly),
    (context) => context.route('**/drill.wasm', (route) => route.fulfill({ status: 404 })),
  ]) {
    const { context, page, close } = await browse({ serviceWorkers: 'block' });
    try {
      await breakIt(context);
      await page.goto(server.url);
      await page.waitForSelector('#unavailable:not([hidden])');
      const shown = await page.evaluate(() => [...document.querySelectorAll('nav, #Picture1, .review')]
        .filter((e) => e.checkVisibility()).length);
      assert.equal(shown, 0);
    } finally {
      await close();
    }
  }
});
