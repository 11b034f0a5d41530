// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Look Up on the page, one keystroke at a time, with the CPU slowed 4 times
// (as on a modest phone), over RUNS typings of "oil press max" and back out
// again: the work a keystroke costs (the page's filter, then style and layout
// of the table, forced at once), and the time until the next frame is drawn,
// which also waits for the display's next frame (up to 16.7 ms at 60 Hz).
// Usage: node bench/web-lookup.mjs [RUNS] (scripts/web.sh bench; default 5)
import { serve } from '../web/serve.mjs';
import { browse, open } from '../web/tests/harness.mjs';

const runs = Number(process.argv[2] ?? 5);
const server = await serve();
const { context, page, close } = await browse({ viewport: { width: 360, height: 640 } });
try {
  await open(page, server.url);
  const cdp = await context.newCDPSession(page);
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  await page.keyboard.press('/');
  await page.evaluate(() => {
    window.keystrokes = [];
    window.work = [];
    const search = document.getElementById('search');
    let start = 0;
    search.addEventListener('input', () => {
      start = performance.now();
      requestAnimationFrame(() => setTimeout(() => window.keystrokes.push(performance.now() - start)));
    }, { capture: true });
    // After the page's own handler: style and layout, forced.
    search.addEventListener('input', () => {
      document.getElementById('limits').getBoundingClientRect();
      window.work.push(performance.now() - start);
    });
  });
  const typed = 'oil press max';
  let count = 0;
  const keystroke = async (key) => {
    await page.keyboard.press(key);
    await page.waitForFunction((n) => window.keystrokes.length >= n, ++count);
  };
  for (let run = 0; run < runs; run++) {
    for (const key of typed) await keystroke(key === ' ' ? 'Space' : key);
    for (let left = typed.length; left > 0; left--) await keystroke('Backspace');
  }
  const report = (what, times) => {
    times.sort((a, b) => a - b);
    const at = (q) => times[Math.min(times.length - 1, Math.floor(times.length * q))].toFixed(1).padStart(6);
    console.log(`  ${what.padEnd(28)} median ${at(0.5)}   90th ${at(0.9)}   slowest ${at(1)}`);
  };
  console.log(`Look Up on a 360 x 640 page, CPU slowed 4x, ${count} keystrokes (ms)`);
  report('filter, style and layout', await page.evaluate(() => window.work));
  report('until the next frame', await page.evaluate(() => window.keystrokes));
} finally {
  await close();
  await server.close();
}
