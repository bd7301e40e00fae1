#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs what the game and its tests need, as debian/control declares it (Build-Depends, the
# test tools included), when anything is missing. As root, or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-checkbuilddeps comes with dpkg-dev, which a fresh machine lacks until the first install.
if command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps debian/control 2>/dev/null; then
    exit 0
fi

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing the packages debian/control names"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get build-dep -y -q --no-install-recommends ./
