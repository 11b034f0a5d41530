// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The README's pictures of the page (scripts/web.sh screenshots): on a phone,
// light and dark, a marked review, the sections box and Look Up; and a desktop browser.
import { serve, browse, open, clickAll } from './tests/harness.mjs';

const out = new URL('../docs/screenshots/', import.meta.url).pathname;
const server = await serve();
const shots = [
  ['web-phone', 'light', 360, 640], ['web-phone-dark', 'dark', 360, 640], ['web-desktop', 'light', 1024, 640]];
try {
  for (const [name, colorScheme, width, height] of shots) {
    const { page, close } = await browse({ colorScheme, viewport: { width, height }, hasTouch: width < 760 });
    try {
      await open(page, server.url);
      await page.keyboard.press('Control+s');
      // Items 1 to 3, the first and the third marked to review again.
      for (const key of ['Space', 'Space', 'a', 'Space', 'Space', 'Space', 'Space', 'a']) await page.keyboard.press(key);
      await page.screenshot({ path: `${out}${name}.png` });
      if (width < 760) {
        await clickAll(page, 'BeginReview', 'Sections');
        if (colorScheme === 'light') await page.screenshot({ path: `${out}web-sections.png` });
        await page.keyboard.press('Escape');
        await clickAll(page, 'File', 'LookUp');
        await page.keyboard.type('oil press');
        await page.screenshot({ path: `${out}${name.replace('phone', 'lookup')}.png` });
        if (process.env.TAVRIN_PDF) await page.pdf({ path: process.env.TAVRIN_PDF, format: 'A4' });
      }
    } finally {
      await close();
    }
  }
} finally {
  await server.close();
}
console.log(`Wrote the page's screenshots into ${out}`);
