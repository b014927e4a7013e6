# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A static file server on 127.0.0.1 for the browser tests and the benchmark: the site as any
static host serves it, gzipped where the browser asks for it, with the files' dates for the
browser's cache, counting the bytes it sends. It runs in a thread of the process that uses it."""

import email.utils
import gzip
import http.server
import os
import re
import threading
import urllib.parse

TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.woff2': 'font/woff2',
    '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
    '.txt': 'text/plain; charset=utf-8',
}
# Already compressed: sent as they are.
PACKED = {'.woff2', '.png'}


class Server:
    """Serves `folder` on a free port until close(). `url` ends in a slash; `sent` maps each
    path asked for to the bytes sent for it."""

    def __init__(self, folder):
        self.root = os.path.realpath(folder)
        self.sent = {}
        self._lock = threading.Lock()
        self._httpd = http.server.ThreadingHTTPServer(('127.0.0.1', 0), self._handler())
        self._httpd.daemon_threads = True
        self.url = f'http://127.0.0.1:{self._httpd.server_address[1]}/'
        self._thread = threading.Thread(target=self._httpd.serve_forever, daemon=True)
        self._thread.start()

    def close(self):
        self._httpd.shutdown()
        self._httpd.server_close()
        self._thread.join()

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()

    def _count(self, name, size):
        with self._lock:
            self.sent[name] = self.sent.get(name, 0) + size

    def _handler(self):
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            protocol_version = 'HTTP/1.1'

            def log_message(self, *_):
                pass  # quiet: the tests print their own findings

            def _reply(self, status, headers, body=b''):
                self.send_response(status)
                for key, value in headers.items():
                    self.send_header(key, value)
                self.end_headers()
                if body and self.command != 'HEAD':
                    self.wfile.write(body)

            def do_HEAD(self):
                self.do_GET()

            def do_GET(self):
                name = urllib.parse.unquote(urllib.parse.urlsplit(self.path).path)
                if name.endswith('/'):
                    name += 'index.html'
                file = os.path.realpath(os.path.join(server.root, name.lstrip('/')))
                if not file.startswith(server.root + os.sep) or not os.path.isfile(file):
                    self._reply(404, {'Content-Type': 'text/plain', 'Content-Length': '9'},
                                b'not found')
                    return
                extension = os.path.splitext(file)[1]
                modified = int(os.stat(file).st_mtime)  # whole seconds, as the header has them
                since = self.headers.get('If-Modified-Since')
                if since:
                    try:
                        when = email.utils.parsedate_to_datetime(since).timestamp()
                    except (TypeError, ValueError):
                        when = None
                    if when is not None and when >= modified:
                        self._reply(304, {'Content-Length': '0'})
                        return
                with open(file, 'rb') as f:
                    body = f.read()
                headers = {'Content-Type': TYPES.get(extension, 'application/octet-stream'),
                           'Last-Modified': email.utils.formatdate(modified, usegmt=True)}
                if (extension not in PACKED and
                        re.search(r'\bgzip\b', self.headers.get('Accept-Encoding', ''))):
                    body = gzip.compress(body, compresslevel=9, mtime=0)
                    headers['Content-Encoding'] = 'gzip'
                headers['Content-Length'] = str(len(body))
                server._count(name, len(body))
                self._reply(200, headers, body)

        return Handler
