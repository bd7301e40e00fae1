#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs what debian/control declares, when anything is missing. As root, or through sudo.
#   deps.sh        everything the game and its tests need: the whole of Build-Depends
#   deps.sh game   only what building and playing the game needs: Build-Depends without the
#                  test tools (the build profile nocheck), and the fonts and Qt translations the
#                  package's Depends name
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-all}
profile=()
runtime=()
case $mode in
    all) ;;
    game)
        profile=(-Pnocheck)
        # Named packages of the binary package's Depends; ${...} are the packaging tools' own.
        mapfile -t runtime < <(awk '/^Depends:/ {on = 1; sub(/^Depends:/, "")} on && /^[A-Z]/ && !/^Depends:/ {on = 0}
            on {n = split($0, d, ","); for (i = 1; i <= n; i++) { gsub(/[ \t]/, "", d[i]); if (d[i] != "" && d[i] !~ /\$/) print d[i] }}' debian/control)
        ;;
    *) echo "usage: deps.sh [game]" >&2; exit 2 ;;
esac

installed() {
    local p
    for p; do [ "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null)" = installed ] || return 1; done
}
# dpkg-checkbuilddeps comes with dpkg-dev, which a fresh machine lacks until the first install.
if command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps "${profile[@]}" debian/control 2>/dev/null &&
   { [ ${#runtime[@]} -eq 0 ] || installed "${runtime[@]}"; }; then
    exit 0
fi

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing the packages debian/control names${profile:+ (without the test tools)}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get build-dep -y -q --no-install-recommends "${profile[@]}" ./
if [ ${#runtime[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${runtime[@]}"
fi
