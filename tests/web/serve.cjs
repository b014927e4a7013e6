// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A static file server on 127.0.0.1 for the browser tests and the benchmark: the site as any
// static host serves it, gzipped where the browser asks for it, with the files' dates for the
// browser's cache, counting the bytes it sends.
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const zlib = require('node:zlib');

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.woff2': 'font/woff2',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
  '.txt': 'text/plain; charset=utf-8',
};
// Already compressed: sent as they are.
const PACKED = new Set(['.woff2', '.png']);

// Serves `root` on a free port. Resolves to { url, sent, close }: `sent` maps each path asked
// for to the bytes sent for it.
function serve(folder) {
  const root = path.resolve(folder);
  const sent = new Map();
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    let name = decodeURIComponent(url.pathname);
    if (name.endsWith('/')) {
      name += 'index.html';
    }
    const file = path.join(root, path.normalize(name));
    if (!file.startsWith(root + path.sep) || !fs.existsSync(file) ||
        !fs.statSync(file).isFile()) {
      response.writeHead(404, { 'Content-Type': 'text/plain' });
      response.end('not found');
      return;
    }
    const extension = path.extname(file);
    const modified = fs.statSync(file).mtime;
    modified.setMilliseconds(0);
    const since = Date.parse(request.headers['if-modified-since'] || '');
    if (!Number.isNaN(since) && since >= modified.getTime()) {
      response.writeHead(304);
      response.end();
      return;
    }
    let body = fs.readFileSync(file);
    const headers = { 'Content-Type': TYPES[extension] || 'application/octet-stream',
                      'Last-Modified': modified.toUTCString() };
    if (!PACKED.has(extension) && /\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
      body = zlib.gzipSync(body, { level: 9 });
      headers['Content-Encoding'] = 'gzip';
    }
    headers['Content-Length'] = body.length;
    sent.set(name, (sent.get(name) || 0) + body.length);
    response.writeHead(200, headers);
    response.end(body);
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        sent,
        close: () => new Promise((done) => server.close(done)),
      });
    });
  });
}

module.exports = { serve };
