// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page's start and weight, each beside a blank page that shows only
// the picture. Start: from navigation to usable menus (the blank page: to the
// picture's load), on the local server, each run in a fresh profile (no
// cache, no service worker), the two pages alternated; medians. Weight: every
// file of the site gzipped at level 9.
// Usage: node bench/web-startup.mjs [RUNS] (scripts/web.sh bench; default 21)
import { readdir, readFile } from 'node:fs/promises';
import { gzipSync } from 'node:zlib';
import { serve, site } from '../web/serve.mjs';
import { browse } from '../web/tests/harness.mjs';

const runs = Number(process.argv[2] ?? 21);
const blank = `<!DOCTYPE html><html lang="en"><meta charset="utf-8"><title>blank</title>
<img src="picture.jpg" width="479" height="282" alt="" onload="performance.mark('tavrin-ready')">`;
const server = await serve({ extra: { 'blank.html': Buffer.from(blank) } });

async function start(path) {
  const { page, close } = await browse({ serviceWorkers: 'block' });
  try {
    await page.goto(server.url + path);
    await page.waitForFunction(() => performance.getEntriesByName('tavrin-ready').length > 0);
    return await page.evaluate(() => performance.getEntriesByName('tavrin-ready')[0].startTime);
  } finally {
    await close();
  }
}
const median = (values) => values.sort((a, b) => a - b)[values.length >> 1];
const times = { page: [], blank: [] };
for (let run = 0; run < runs; run++) {
  times.page.push(await start(''));
  times.blank.push(await start('blank.html'));
}
await server.close();

const gz = async (name) => gzipSync(await readFile(`${site}/${name}`), { level: 9 }).length;
const files = await readdir(site);
let whole = 0;
for (const name of files) whole += await gz(name);
const drill = (await gz('drill.wasm')) + (await gz('drill.js'));
const blankSize = gzipSync(Buffer.from(blank), { level: 9 }).length + (await gz('picture.jpg'));

const ms = (value) => value.toFixed(1).padStart(8);
console.log(`start, navigation to usable (median of ${runs}, ms)`);
console.log(`  page          ${ms(median(times.page))}`);
console.log(`  blank page    ${ms(median(times.blank))}`);
console.log(`  ratio         ${(median(times.page) / median(times.blank)).toFixed(2).padStart(8)}`);
console.log('size, gzipped (bytes)');
console.log(`  whole site    ${String(whole).padStart(8)}  (${files.length} files)`);
console.log(`  drill         ${String(drill).padStart(8)}  (drill.wasm and its loader drill.js)`);
console.log(`  blank page    ${String(blankSize).padStart(8)}  (the page and the picture)`);
