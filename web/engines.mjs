// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page tried in the two other engines Debian has: Firefox ESR (Gecko,
// through its Marionette port) and WebKitGTK (Safari's engine, through
// WebKitWebDriver; its browser needs a display). In each: the drill loads
// under the page's Content-Security-Policy, a review steps by keys, a mark
// counts, Look Up filters, the search stays text, and an inline script is
// refused. `scripts/web.sh engines` runs it under a virtual display.
import { spawn } from 'node:child_process';
import { mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { connect, createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { serve } from './serve.mjs';

// Every browser and driver this starts, ended by its id when it is done
// with, and at the latest when this script ends.
const started = [];
const start = (command, args) => {
  const child = spawn(command, args, { stdio: 'ignore' });
  started.push(child);
  return child;
};
process.on('exit', () => started.forEach((child) => child.kill()));

// Runs in the page; returns what a learner would have seen.
const tryPage = `return (async () => {
  const $ = (id) => document.getElementById(id);
  for (let wait = 0; wait < 400 && document.body.dataset.ready !== 'true'; wait++) await new Promise((r) => setTimeout(r, 25));
  const key = (key, ctrlKey = false) => document.dispatchEvent(new KeyboardEvent('keydown', { key, ctrlKey, bubbles: true }));
  key('s', true); key(' ');
  const question = $('lblQuestion').textContent;
  key(' ');
  const answer = $('lblAnswer').textContent;
  key('a');
  const marked = $('lblMarked').textContent;
  key('/');
  $('search').value = 'tit start <b>x</b>';
  $('search').dispatchEvent(new Event('input'));
  const none = $('lookUpCount').textContent + ($('lookUpBox').querySelector('b') ? ' (markup!)' : '');
  $('search').value = 'tit start';
  $('search').dispatchEvent(new Event('input'));
  const found = $('lookUpCount').textContent;
  document.head.append(Object.assign(document.createElement('script'), { textContent: 'window.inlineRan = true' }));
  await new Promise((r) => setTimeout(r, 100));
  return JSON.stringify({ question, answer, marked, none, found, inlineRan: window.inlineRan === true });
})()`;
const expected = JSON.stringify({ question: 'Max for Enrichment', answer: '100C', marked: '1 TO REVIEW AGAIN',
  none: 'NO LIMIT MATCHES "tit start <b>x</b>".', found: '10 OF 204 LIMITS', inlineRan: false });

// Firefox ESR: Marionette, length-prefixed JSON over TCP.
async function firefox(url) {
  const profile = await mkdtemp(join(tmpdir(), 'tavrin-firefox-'));
  // A port of its own, and every request for another host sent to a closed
  // local port: the browser's own calls home go nowhere.
  const prefs = { 'marionette.port': 0, 'network.proxy.type': 1, 'network.proxy.http': '127.0.0.1',
    'network.proxy.http_port': 9, 'network.proxy.ssl': '127.0.0.1', 'network.proxy.ssl_port': 9 };
  await writeFile(join(profile, 'user.js'),
    Object.entries(prefs).map(([name, value]) => `user_pref(${JSON.stringify(name)}, ${JSON.stringify(value)});\n`).join(''));
  const browser = start('firefox-esr', ['--headless', '--marionette', '--no-remote', '--profile', profile]);
  try {
    let port = 0;
    for (let wait = 0; wait < 300 && !port; wait++) {
      await new Promise((resolve) => setTimeout(resolve, 100));
      port = Number(await readFile(join(profile, 'MarionetteActivePort'), 'utf8').catch(() => 0));
    }
    const socket = connect(port, '127.0.0.1');
    let buffer = '';
    const replies = [];
    const waiting = [];
    socket.on('data', (data) => {
      buffer += data;
      for (let colon; (colon = buffer.indexOf(':')) > 0;) {
        const length = Number(buffer.slice(0, colon));
        if (buffer.length < colon + 1 + length) break;
        replies.push(JSON.parse(buffer.slice(colon + 1, colon + 1 + length)));
        buffer = buffer.slice(colon + 1 + length);
        while (waiting.length && replies.length) waiting.shift()(replies.shift());
      }
    });
    const reply = () => new Promise((resolve) => (replies.length ? resolve(replies.shift()) : waiting.push(resolve)));
    await reply(); // the greeting
    let id = 0;
    const command = async (name, parameters) => {
      const message = JSON.stringify([0, ++id, name, parameters]);
      socket.write(`${Buffer.byteLength(message)}:${message}`);
      const [, , error, result] = await reply();
      if (error) throw new Error(`${name}: ${JSON.stringify(error)}`);
      return result;
    };
    await command('WebDriver:NewSession', { capabilities: {} });
    await command('WebDriver:Navigate', { url });
    const { value } = await command('WebDriver:ExecuteScript', { script: tryPage, args: [] });
    socket.destroy();
    return value;
  } finally {
    browser.kill();
    await rm(profile, { recursive: true, force: true });
  }
}

// A port that nothing listens on now.
const freePort = () => new Promise((resolve) => {
  const probe = createServer().listen(0, '127.0.0.1', () => {
    const { port } = probe.address();
    probe.close(() => resolve(port));
  });
});

// WebKitGTK: classic WebDriver over HTTP, driving its MiniBrowser.
async function webkit(url) {
  const port = await freePort();
  const driver = start('WebKitWebDriver', [`--port=${port}`]);
  try {
    const call = async (method, path, body) =>
      (await (await fetch(`http://127.0.0.1:${port}${path}`, { method, body: body && JSON.stringify(body) })).json()).value;
    for (let wait = 0; wait < 100 && !(await call('GET', '/status').catch(() => null)?.ready); wait++)
      await new Promise((resolve) => setTimeout(resolve, 100));
    const binary = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
    const { sessionId } = await call('POST', '/session',
      { capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': { binary, args: ['--automation'] } } } });
    await call('POST', `/session/${sessionId}/url`, { url });
    const value = await call('POST', `/session/${sessionId}/execute/sync`, { script: tryPage, args: [] });
    await call('DELETE', `/session/${sessionId}`);
    return value;
  } finally {
    driver.kill();
  }
}

const server = await serve();
let failed = 0;
try {
  for (const [engine, run] of [['Firefox ESR', firefox], ['WebKitGTK', webkit]]) {
    // A minute each at the most: an engine that hangs fails, it does not stall the run.
    const timeout = new Promise((resolve) => setTimeout(resolve, 60000, 'no answer within a minute').unref());
    const seen = await Promise.race([run(server.url), timeout]).catch((error) => `error: ${error.message}`);
    const alike = seen === expected;
    failed += alike ? 0 : 1;
    console.log(`${engine}: ${alike ? 'as in Chromium' : `differs: ${seen}`}`);
  }
} finally {
  await server.close();
}
process.exit(failed ? 1 : 0); // also past an engine that never answered
