#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# deb_package.sh CMAKE CPACK SOURCE_DIR WORK_DIR APP_ID VERSION [QT_PRIVATE_ABI]
# Builds the .deb as the README says, through the `deb` presets, but in WORK_DIR inside this
# build tree, and checks it as Debian would: the control fields, the files and their owner,
# the hardening of the program, the tree unpacked through the validators, and lintian.
# QT_PRIVATE_ABI is the Qt whose private side the window uses, if it uses it (a Qt before 6.8).
set -euo pipefail
cmake=$1 cpack=$2 source=$3 work=$4 id=$5 version=$6 qt_private=${7:-}
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

rm -rf "$work"
# Whatever the tools leave behind (lintian leaves a cache file per run) stays in here too.
export TMPDIR=$work/tmp
mkdir -p "$TMPDIR"
cd "$source"
"$cmake" --preset deb -B "$work/build" >/dev/null
# The `deb` build preset's target, which the preset cannot build outside its own folder.
"$cmake" --build "$work/build" --target reedfall_package_contents --parallel 2 >/dev/null
"$cpack" --preset deb --config "$work/build/CPackConfig.cmake" -B "$work/packages" >/dev/null

deb=$work/packages/reedfall_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$work/packages" >&2; fail "no $deb"; finish; }
dpkg-deb --info "$deb"

# ---- control fields ----
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = reedfall ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ "$(field Recommends)" = qt6-wayland ] || fail "Recommends: $(field Recommends)"
depends=$(field Depends)
# The libraries are dpkg-shlibdeps's; the font is inside the program, so no font package.
for wanted in 'libqt6widgets6 (>= ' 'libc6 (>= '; do
  [[ $depends == *"$wanted"* ]] || fail "Depends lacks '$wanted': $depends"
done
[[ $depends != *fonts-* ]] || fail "Depends names a font package: $depends"
# Bound to the Qt it was built against exactly where it uses that Qt's private side.
pin=$(grep -o -E 'qt6-base(-private)?-abi \(= [^)]*\)' <<<"$depends" || true)
if [ -n "$qt_private" ]; then
  [[ $pin == *"(= $qt_private)" ]] || fail "Depends does not pin Qt $qt_private's private ABI: $depends"
else
  [ -z "$pin" ] || fail "Depends pins a Qt private ABI that the program does not use: $depends"
fi

# ---- files: in their places, and root's ----
if dpkg-deb --contents "$deb" | awk '$2 != "root/root"' | grep .; then
  fail "files above are not owned by root"
fi
root=$work/unpacked
dpkg-deb -x "$deb" "$root"
mapfile -t data < <(freedesktop_files "$id")
check_files "$root" usr/games/reedfall usr/share/man/man6/reedfall.6.gz \
  usr/share/doc/reedfall/copyright usr/share/doc/reedfall/changelog.gz "${data[@]}"
check_installed "$root" "$id" "$version" games share/man/man6/reedfall.6.gz

zcat "$root/usr/share/doc/reedfall/changelog.gz" | head -1 | grep -q "^reedfall ($version) " ||
  fail "the changelog's newest entry is not $version"
head -1 "$root/usr/share/doc/reedfall/copyright" |
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not machine-readable"
grep -q '^Files: LiberationSans-Regular.ttf$' "$root/usr/share/doc/reedfall/copyright" &&
  grep -q '^License: SIL-OFL-1.1$' "$root/usr/share/doc/reedfall/copyright" ||
  fail "the copyright file does not name the embedded font and its licence"
grep -a -q 'Liberation Sans' "$root/usr/games/reedfall" ||
  fail "the program does not carry its font"

# ---- Debian's hardening flags, as the program shows them ----
program=$root/usr/games/reedfall
header=$(readelf -hlW "$program") dynamic=$(readelf -dW "$program")
symbols=$(readelf -sW "$program") sections=$(readelf -SW "$program")
grep -q 'Type: *DYN' <<<"$header" || fail "the program is not position-independent"
grep -q GNU_RELRO <<<"$header" || fail "the program has no read-only relocations"
grep -q BIND_NOW <<<"$dynamic" || fail "the program binds lazily"
grep -q '__stack_chk_fail@' <<<"$symbols" || fail "the program has no stack protector"
grep -q '__[a-z]*_chk@' <<<"$symbols" || fail "the program calls no fortified function"
! grep -q '\.debug_\|\.symtab' <<<"$sections" || fail "the program is not stripped"

# ---- lintian ----
# Lintian warns on its standard error when it runs as root, as CI does; that says nothing
# about the package, so it is the one line of its own allowed there. It allows no tag of
# error or warning level.
lintian_err=$work/lintian.err
tags=$(lintian --display-info "$deb" 2>"$lintian_err") || true
echo "lintian --display-info:"
echo "${tags:-(no tags)}"
if [ "$(id -u)" -eq 0 ]; then
  sed -i '/^running with root privileges is not recommended!$/d' "$lintian_err"
fi
[ -s "$lintian_err" ] && fail "lintian: $(cat "$lintian_err")"
# Lintian runs appstreamcli validate-tree too, and reports its failure as one tag: expected
# where that validator failed on the allowed warnings alone (checks.sh).
findings=$(grep -E '^[EW]: ' <<<"$tags" || true)
if [ "$appstream_failed_as_allowed" = yes ]; then
  findings=$(grep -v -E '^W: reedfall: appstream-metadata-validation-failed ' <<<"$findings" || true)
fi
if [ -n "$findings" ]; then
  echo "$findings"
  fail "lintian reports the errors and warnings above"
fi

finish
