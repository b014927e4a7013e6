#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# install_tree.sh CMAKE BUILD_DIR ROOT APP_ID VERSION
# Installs the build with `cmake --install` into the temporary root ROOT, as a packager would
# for /usr, and checks the tree: every file in its place and nothing else, the desktop entry,
# the metainfo, the icons and the manual page through the distributions' validators.
set -euo pipefail
cmake=$1 build=$2 root=$3 id=$4 version=$5
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

rm -rf "$root"
DESTDIR=$root "$cmake" --install "$build" --prefix /usr >/dev/null

mapfile -t data < <(freedesktop_files "$id")
check_files "$root" usr/bin/reedfall usr/share/man/man6/reedfall.6 "${data[@]}"
check_installed "$root" "$id" "$version" bin share/man/man6/reedfall.6
finish
