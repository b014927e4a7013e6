// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Platform guard for reedfall-sim.js, run by node (linked in with --pre-js).
//
// Node finds a closed standard stream at its start and puts /dev/null in its place before any
// of the program runs, so that the driver's writes to a closed standard output would vanish
// without an error. Node opens it for reading and writing, as no shell redirection does: that
// is how it shows. Closed again before main, the driver's first write fails as it does on
// every other platform. Linux tells the mode in /proc; where it cannot be told, standard
// output stays as it is.
Module['onRuntimeInitialized'] = function () {
  var fs = require('fs');
  try {
    var out = fs.fstatSync(1);
    var nul = fs.statSync('/dev/null');
    var flags = /^flags:\s*([0-7]+)$/m.exec(fs.readFileSync('/proc/self/fdinfo/1', 'utf8'));
    var readWrite = flags !== null && (parseInt(flags[1], 8) & 3) === 2; // O_ACCMODE: O_RDWR
    if (out.rdev === nul.rdev && out.ino === nul.ino && readWrite) {
      FS.close(FS.getStream(1));
    }
  } catch (e) {
    // Nothing to tell by.
  }
};
