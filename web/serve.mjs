// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The built site on http://127.0.0.1, with the types browsers want for a
// module, WebAssembly and a manifest. `node web/serve.mjs [PORT]` serves it
// for a try in a local browser (scripts/web.sh serve); the page's tests and
// benchmark serve it from here too.
import { createServer } from 'node:http';
import { gzipSync } from 'node:zlib';
import { readFile } from 'node:fs/promises';
import { join, extname, normalize } from 'node:path';
import { argv } from 'node:process';
import { fileURLToPath } from 'node:url';

export const site = process.env.TAVRIN_SITE ?? fileURLToPath(new URL('../build/web/site/', import.meta.url));
const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.jpg': 'image/jpeg', '.svg': 'image/svg+xml' };

// Texts and the module go gzipped, at zlib's default level, to a browser
// that accepts it, as static hosts send them.
const compressible = new Set(['.html', '.js', '.css', '.wasm', '.webmanifest', '.svg']);

// Serves the site and any `extra` pages by path; `down` fails every request,
// as when the network is cut.
export async function serve({ port = 0, extra = {} } = {}) {
  const state = { down: false };
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname)).slice(1) || 'index.html';
    try {
      if (state.down) throw new Error('the network is cut');
      const body = extra[path] ?? (await readFile(join(site, path)));
      const headers = { 'Content-Type': types[extname(path)] ?? 'application/octet-stream', Vary: 'Accept-Encoding' };
      const gzip = compressible.has(extname(path)) && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '');
      if (gzip) headers['Content-Encoding'] = 'gzip';
      response.writeHead(200, headers).end(gzip ? gzipSync(body) : body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
  state.url = `http://127.0.0.1:${server.address().port}/`;
  state.close = () => new Promise((resolve) => server.close(resolve));
  return state;
}


if (argv[1] === fileURLToPath(import.meta.url)) {
  const { url } = await serve({ port: Number(argv[2] ?? 8080) });
  console.log(`Serving ${site} on ${url} (Ctrl+C ends it)`);
}
