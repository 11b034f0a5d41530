// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's tests share: the built site served from 127.0.0.1, Debian's
// Chromium in a profile of its own (a persistent one, as installability and
// the service worker want), and reading the page as a user sees it.
import { createServer } from 'node:http';
import { readFile, mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join, extname, normalize } from 'node:path';
import { chromium } from 'playwright-core';

export const site = process.env.TAVRIN_SITE ?? new URL('../../build/web/site/', import.meta.url).pathname;
const types = {
  '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.jpg': 'image/jpeg', '.svg': 'image/svg+xml',
};

// Serves the site (and any `extra` pages by path); `down` makes every request
// fail, as with the network cut.
export async function serve({ port = 0, extra = {} } = {}) {
  const state = { down: false };
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname)).replace(/^\/+/, '') || 'index.html';
    try {
      if (state.down) throw new Error('down');
      const body = extra[path] ?? (await readFile(join(site, path)));
      response.writeHead(200, { 'Content-Type': types[extname(path)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
  state.url = `http://127.0.0.1:${server.address().port}/`;
  state.close = () => new Promise((resolve) => server.close(resolve));
  return state;
}

// A browser with a fresh profile; every request to another host is refused
// and recorded, so a test can tell that none was made.
export async function browse(options = {}) {
  const profile = await mkdtemp(join(tmpdir(), 'tavrin-web-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM ?? '/usr/lib/chromium/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
    viewport: { width: 1024, height: 768 },
    ...options,
  });
  const foreign = [];
  await context.route((url) => url.hostname !== '127.0.0.1', (route) => {
    foreign.push(route.request().url());
    return route.abort();
  });
  const page = context.pages()[0] ?? (await context.newPage());
  const close = async () => {
    await context.close();
    await rm(profile, { recursive: true, force: true });
  };
  return { context, page, foreign, close };
}

export async function open(page, url) {
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]');
}

// The page as a user sees and hears it: every element's text where shown,
// what the live region says, where the focus is and what the dialog says.
export function look(page) {
  return page.evaluate(() => {
    const shown = (id) => !document.getElementById(id).hidden;
    const text = (id) => (shown(id) ? document.getElementById(id).textContent : null);
    const button = ['cmdSeq', 'cmdRand'].find(shown);
    const dialog = document.getElementById('message');
    return {
      picture: shown('Picture1'), title: text('lblTitle'), question: text('lblQuestion'), answer: text('lblAnswer'),
      counter: shown('lblCounter') ? `${text('lblCounter')} ${text('lblOf204')}` : null,
      button: button ?? null, caption: button ? text(button) : null,
      heard: document.getElementById('announcer').textContent, focus: document.activeElement?.id ?? '',
      dialog: dialog.open ? `${document.getElementById('messageTitle').textContent}|${document.getElementById('messageText').textContent}` : null,
    };
  });
}

// The bank, read from the C++ table through the page's module.
export const bank = (page, what, item) => page.evaluate(([w, i]) => window.tavrinBank(w, i), [what, item]);

export async function menu(page, ...path) {
  for (const id of path) await page.click(`#${id}`);
}
