#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Every file of the project says whose it is and under which licence: `reuse lint` on the
# source tree. In a git checkout reuse skips what git ignores (the build folders); in an
# unpacked copy without git, the build folders are left out by hand.
# Usage: reuse_lint.sh SOURCE_DIR
set -euo pipefail
src=$1
if command -v git >/dev/null && git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    exec reuse --root "$src" lint
fi
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
tar -C "$src" --exclude='./build*' --exclude='./obj-*' --exclude='./debian/.debhelper' \
    --exclude='./debian/reikoboy' --exclude='./debian/tmp' --exclude='./debian/files' \
    --exclude='./debian/*.substvars' --exclude='./debian/*debhelper*' -cf - . | tar -C "$copy" -xf -
reuse --root "$copy" lint
