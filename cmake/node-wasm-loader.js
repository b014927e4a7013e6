// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Run by node, emscripten's loader would fetch the .wasm with fetch(), which node gives URLs
// only: a file path fails to parse. Hand it the bytes from beside the .js instead.
if (!Module['wasmBinary']) {
  Module['wasmBinary'] = require('fs').readFileSync(__filename.replace(/\.js$/, '') + '.wasm');
}
