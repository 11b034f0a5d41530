// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's tests share: the site served from 127.0.0.1, Debian's Chromium in a fresh
// persistent profile (for installability and the service worker), the page as a user meets it.
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';

export { serve, site } from '../serve.mjs';
// A browser of its own; requests to any other host are refused and listed
// (each request then goes by way of this process: the benchmark, which times
// loads as users get them, asks for none of that with refuseForeign false).
export async function browse({ refuseForeign = true, ...options } = {}) {
  const profile = await mkdtemp(join(tmpdir(), 'tavrin-web-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM ?? '/usr/lib/chromium/chromium', headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
    viewport: { width: 1024, height: 768 }, ...options });
  const foreign = [];
  if (refuseForeign) {
    await context.route((url) => url.hostname !== '127.0.0.1', (route) => {
      foreign.push(route.request().url());
      return route.abort();
    });
  }
  const close = () => context.close().then(() => rm(profile, { recursive: true, force: true }));
  return { context, page: context.pages()[0], foreign, close };
}

export const open = (page, url) => page.goto(url).then(() => page.waitForSelector('body[data-ready="true"]'));

// A browser of its own for test t, closed when t ends, on the served site and ready to use.
export async function visit(t, server, options = {}) {
  const session = await browse(options);
  t.after(session.close);
  await open(session.page, server.url);
  return session;
}

// Every element's text where shown, what the live region says, the focus and the box.
export const look = (page) => page.evaluate(() => {
  const text = (id) => (document.getElementById(id).hidden ? null : document.getElementById(id).textContent);
  const button = ['cmdSeq', 'cmdRand'].find((id) => text(id) !== null) ?? null;
  const box = document.getElementById('message');
  return { picture: text('Picture1') !== null, title: text('lblTitle'), question: text('lblQuestion'),
    answer: text('lblAnswer'), counter: text('lblCounter') && `${text('lblCounter')} ${text('lblOf204')}`,
    button, caption: button && text(button), heard: text('announcer'), focus: document.activeElement?.id ?? '',
    dialog: box.open ? `${text('messageTitle')}|${text('messageText')}` : null };
});

// The bank, read from the C++ table through the page's module.
export const bank = (page, what, item) => page.evaluate(([w, i]) => window.tavrinBank(w, i), [what, item]);
export const clickAll = async (page, ...ids) => { for (const id of ids) await page.click(`#${id}`); };
