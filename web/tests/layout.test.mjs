// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page at every size, and faults found by random input and in other
// engines: the page held sideways or made narrow with a menu open, the
// review-again toggle's name, and a policy every engine reads without
// complaint.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { serve, open, visit, clickAll } from './harness.mjs';

const server = await serve();
after(() => server.close());

// What of the elements the selectors match lies partly off the screen, by
// selector and place among its matches, and whether the page scrolls sideways.
const outsideViewport = (page, selectors) => page.evaluate((selectors) => {
  const { clientWidth, clientHeight } = document.documentElement;
  const out = selectors.flatMap((selector) => {
    const found = [...document.querySelectorAll(selector)];
    if (found.length === 0) return [`no ${selector}`];
    return found.flatMap((element, i) => {
      const box = element.getBoundingClientRect();
      const off = box.width === 0 || box.left < 0 || box.top < 0 || box.right > clientWidth + 0.5 || box.bottom > clientHeight + 0.5;
      return off ? [`${selector} ${i}`] : [];
    });
  });
  return document.scrollingElement.scrollWidth > clientWidth ? out.concat('scrolls sideways') : out;
}, selectors);

test('an open menu stays inside the screen when the window narrows or the phone turns', async (t) => {
  const { page } = await visit(t, server, { viewport: { width: 1280, height: 800 } });
  for (const menus of [['Help'], ['BeginReview', 'Order']]) {
    await page.setViewportSize({ width: 1280, height: 800 });
    await clickAll(page, ...menus);
    for (const [width, height] of [[360, 740], [740, 360], [320, 480]]) {
      await page.setViewportSize({ width, height });
      // The resize event comes with the next frame, before it is drawn.
      await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
      assert.deepEqual(await outsideViewport(page, ['[role="menu"]:not([hidden])']), [], `${menus.join(' ')} at ${width} x ${height}`);
    }
    await page.keyboard.press('Escape');
    await page.keyboard.press('Escape');
  }
});

// From the narrowest phone to a wide desktop, either way round: every menu
// and box within the screen's width; the review button (its focus ring drawn
// whole), the four choices and the field wholly on screen without scrolling.
test('from 320 x 480 to 1920 x 1080: menus and boxes within the width, the review\'s controls on screen', async (t) => {
  const { page } = await visit(t, server);
  for (const [width, height] of [[320, 480], [480, 320], [360, 640], [640, 360], [740, 360], [844, 390], [1024, 768], [1920, 1080]]) {
    await page.setViewportSize({ width, height });
    await open(page, server.url);
    const where = `${width} x ${height}`;
    const wider = () => page.evaluate(() => {
      const right = document.documentElement.clientWidth;
      const out = [...document.querySelectorAll('body *')].filter((e) => e.checkVisibility() && e.getBoundingClientRect().right > right + 0.5);
      return out.map((e) => e.id || e.tagName).concat(document.scrollingElement.scrollWidth > right ? ['scroll'] : []);
    });
    for (const ids of [['File'], ['BeginReview', 'Order'], ['Help'], ['BeginReview', 'Sections'], ['File', 'LookUp']]) {
      await clickAll(page, ...ids);
      assert.deepEqual(await wider(), [], `${where}, ${ids.join(' ')} open`);
      await page.keyboard.press('Escape');
      await page.keyboard.press('Escape');
    }
    await page.keyboard.press('Control+s'); // by key, so the button shows its focus ring
    const ring = await page.evaluate(() => {
      const button = document.getElementById('cmdSeq');
      const style = getComputedStyle(button);
      const grow = parseFloat(style.outlineOffset) + parseFloat(style.outlineWidth);
      const b = button.getBoundingClientRect();
      const clip = document.getElementById('client').getBoundingClientRect();
      return { style: style.outlineStyle, inside: b.left - grow >= Math.max(clip.left, 0) && b.top - grow >= clip.top
               && b.right + grow <= Math.min(clip.right, document.documentElement.clientWidth) && b.bottom + grow <= clip.bottom };
    });
    assert.deepEqual(ring, { style: 'solid', inside: true }, where);
    await page.keyboard.press('Space');
    await page.keyboard.press('Space'); // an answer, with the review-again toggle shown
    assert.deepEqual(await outsideViewport(page, ['#cmdSeq', '#chkAgain']), [], `${where}, a review`);
    assert.deepEqual(await wider(), [], `${where}, a review`);
    await page.keyboard.press('c');
    await page.keyboard.press('Space');
    assert.deepEqual(await outsideViewport(page, ['#cmdChoice1', '#cmdChoice2', '#cmdChoice3', '#cmdChoice4']), [], `${where}, choosing`);
    await page.keyboard.press('1');
    assert.deepEqual(await outsideViewport(page, ['#cmdRand']), [], `${where}, a verdict`);
    await page.keyboard.press('w');
    await page.keyboard.press('Space');
    assert.deepEqual(await outsideViewport(page, ['#txtAnswer', '#cmdRand']), [], `${where}, writing`);
  }
});

test('the review-again toggle is named by its caption alone, its state by aria-pressed', async (t) => {
  const { context, page } = await visit(t, server);
  await page.keyboard.press('Control+s');
  await page.keyboard.press('Space');
  await page.keyboard.press('Space');
  await page.keyboard.press('a');
  const cdp = await context.newCDPSession(page);
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  const toggle = nodes.find((node) => node.role?.value === 'button' && node.properties?.some((p) => p.name === 'pressed'));
  assert.deepEqual([toggle?.name?.value, toggle?.properties.find((p) => p.name === 'pressed').value.value],
    ['REVIEW AGAIN', 'true']);
});

// The directives Chromium, Firefox and WebKit (Safari) all implement; WebKit
// logs an error for any other, such as manifest-src.
test('the page\'s policy uses only directives all three engines know, and keeps script and style to the site', async () => {
  const html = await readFile(new URL('../index.html', import.meta.url), 'utf8');
  const policy = html.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)[1];
  const directives = Object.fromEntries(policy.split(';').map((d) => d.trim().split(/\s+/)).map(([n, ...v]) => [n, v.join(' ')]));
  const known = ['default-src', 'script-src', 'style-src', 'img-src', 'connect-src', 'worker-src', 'font-src',
    'media-src', 'object-src', 'frame-src', 'child-src', 'base-uri', 'form-action'];
  assert.deepEqual(Object.keys(directives).filter((name) => !known.includes(name)), []);
  assert.deepEqual([directives['default-src'], directives['script-src'], directives['object-src'], directives['base-uri']],
    ["'self'", "'self' 'wasm-unsafe-eval'", "'none'", "'none'"]);
});
