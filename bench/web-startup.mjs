// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How much later the page is usable than the same page without its code.
// Usable: the menus answer (the page's own mark) and the picture is drawn
// (its largest paint, which the driver reads from the browser's trace). The
// drill comes after the picture; a command given before it runs when it
// comes, and the time it is ready (its own mark) is shown beside. The static
// page is the site's own HTML and CSS without a script, its menu bar shown:
// usable when its picture is drawn. Both are served gzipped as static hosts
// serve them, the two alternated, each load in a fresh profile (no cache, no
// service worker) of a browser given a second to finish its own start first:
// without it, the browser's start-up work lands in the load's times, and the
// same page loaded twice over differs by up to a fifth between medians. Two
// profiles: a phone (CPU 4 times slower, 150 ms round trip, 1.6 Mbit/s down)
// and a desk (no throttling). Medians of RUNS loads, ROUNDS times over; then
// the code's bytes, each file at gzip -9.
// Usage: node bench/web-startup.mjs [RUNS] [ROUNDS] (scripts/web.sh bench; 11 and 3)
import { readFile } from 'node:fs/promises';
import { execFileSync } from 'node:child_process';
import { serve, site } from '../web/serve.mjs';
import { browse } from '../web/tests/harness.mjs';

const runs = Number(process.argv[2] ?? 11);
const rounds = Number(process.argv[3] ?? 3);
const settle = 1000; // ms between a browser's launch and its load
const html = await readFile(`${site}/index.html`, 'utf8');
const scriptless = html
  .replace(/<script\b[^>]*><\/script>\n?/g, '')
  .replace('<nav aria-label="Menu" hidden>', '<nav aria-label="Menu">');
const server = await serve({ extra: { 'static.html': Buffer.from(scriptless) } });

const profiles = {
  phone: { cpu: 4, network: { offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 0.75e6 / 8 } },
  desk: { cpu: 1, network: null },
};

async function load(path, profile) {
  const { context, page, close } = await browse({ serviceWorkers: 'block', refuseForeign: false });
  try {
    await new Promise((resolve) => setTimeout(resolve, settle));
    const cdp = await context.newCDPSession(page);
    await cdp.send('Emulation.setCPUThrottlingRate', { rate: profile.cpu });
    if (profile.network) {
      await cdp.send('Network.enable');
      await cdp.send('Network.emulateNetworkConditions', profile.network);
    }
    // The times are read from the browser's trace, to the microsecond: the
    // page's own paint entries are rounded to 4 ms, a twentieth of a desk load.
    const trace = [];
    cdp.on('Tracing.dataCollected', ({ value }) => trace.push(...value));
    const collected = new Promise((resolve) => cdp.once('Tracing.tracingComplete', resolve));
    await cdp.send('Tracing.start', { categories: 'loading,blink.user_timing', transferMode: 'ReportEvents' });
    await page.goto(server.url + path);
    await page.waitForFunction(() => document.getElementById('Picture1').complete);
    if (path !== 'static.html')
      await page.waitForFunction(() => performance.getEntriesByName('tavrin-ready').length);
    await page.evaluate(() => new Promise((resolve) => {
      new PerformanceObserver((list) => {
        if (list.getEntries().some((entry) => entry.element?.id === 'Picture1')) resolve();
      }).observe({ type: 'largest-contentful-paint', buffered: true });
    }));
    await cdp.send('Tracing.end');
    await collected;
    const start = trace.find((event) => event.name === 'navigationStart' && event.args.data?.documentLoaderURL === page.url());
    const since = (name, test = () => true) => {
      const event = trace.filter((e) => e.name === name && test(e.args.data ?? {})).pop();
      if (!start || !event) throw new Error(`no ${name} in the trace of ${page.url()}`);
      return (event.ts - start.ts) / 1000;
    };
    const painted = since('largestContentfulPaint::Candidate', (data) =>
      data.navigationId === start.args.data.navigationId && data.nodeName?.includes("'Picture1'"));
    const [menus, drill] = path === 'static.html' ? [0, 0] : [since('tavrin-menus'), since('tavrin-ready')];
    return { usable: Math.max(menus, painted), drill };
  } finally {
    await close();
  }
}

const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];
const ms = (value) => value.toFixed(0).padStart(6);
console.log(`usable, navigation to menus answering and picture drawn, and to the drill ready (medians of ${runs}, ms)`);
console.log('profile  round    page  static    ratio   drill');
for (const [name, profile] of Object.entries(profiles)) {
  for (let round = 1; round <= rounds; round++) {
    const times = { page: [], static: [], drill: [] };
    for (let run = 0; run < runs; run++) {
      const { usable, drill } = await load('', profile);
      times.page.push(usable);
      times.drill.push(drill);
      times.static.push((await load('static.html', profile)).usable);
    }
    const [page, plain] = [median(times.page), median(times.static)];
    console.log(`${name.padEnd(8)} ${String(round).padStart(5)}  ${ms(page)}  ${ms(plain)}   ${(page / plain).toFixed(3)}  ${ms(median(times.drill))}`);
  }
}
await server.close();

// Weighed by gzip itself, reading from its standard input, so that no name goes in.
const gz = async (name) => execFileSync('gzip', ['-9'], { input: await readFile(`${site}/${name}`) }).length;
const code = { 'drill.wasm': await gz('drill.wasm'), 'app.js': await gz('app.js') };
console.log('code the page loads, gzip -9 (bytes)');
for (const [name, size] of Object.entries(code)) console.log(`  ${name.padEnd(12)} ${String(size).padStart(6)}`);
console.log(`  ${'all'.padEnd(12)} ${String(code['drill.wasm'] + code['app.js']).padStart(6)}`);
