#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# The size of the game's .deb, installed, and with everything it depends on, beside those of
# a comparable board game from Debian (four-in-a-row by default), measured in the same run.
# Nothing of the other game is kept. Then the closure of just the libraries the game's programs
# link, beside that of Qt 6 Widgets alone; an earlier build (of another commit) may be measured
# in the same run, for a before and after.
# Usage: bench/package_size.sh [BUILD_DIR] [OTHER_PACKAGE] [EARLIER_BUILD_DIR]
set -euo pipefail
build=$(realpath "${1:-build}")
other=${2:-four-in-a-row}
earlier=${3:+$(realpath "$3")}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The .deb as Debian builds it, from the committed tree (tests left to the test command).
top=$(cd "$(dirname "$0")/.." && pwd)
git clone -q "$top" "$work/source"
(cd "$work/source" && DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -b >"$work/deb.log" 2>&1) ||
    { tail -20 "$work/deb.log"; exit 1; }
deb=$(ls "$work"/reikoboy_*.deb | head -1)
mkdir "$work/other"
(cd "$work/other" && apt-get download -q "$other" >/dev/null 2>&1) || { echo "cannot download $other"; exit 1; }
other_deb=$(ls "$work"/other/*.deb | head -1)

# Every package a list of dependencies pulls in, recursively, without recommendations.
closure() {
    apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
        --no-replaces --no-enhances "$@" 2>/dev/null | grep -v '^ ' | grep -v '^<' | sort -u
}
direct_depends() {  # the package names of a .deb's Depends field
    dpkg-deb -f "$1" Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g; s/:any//' | grep -v '^$' | sort -u
}
sizes() {  # the number of packages given and their summed Installed-Size in kB
    local total=0
    [ $# -gt 0 ] && total=$(apt-cache show --no-all-versions "$@" 2>/dev/null |
        awk '/^Installed-Size:/ {sum += $2} END {print sum + 0}')
    echo "$# $total"
}
linked_packages() {  # the packages holding the shared libraries a build's programs load
    local libraries
    libraries=$(for program in "$1"/bin/reikoboy "$1"/bin/reikoboy-metafile; do ldd "$program"; done |
        awk '$2 == "=>" && $3 ~ /^\// {print $3}' | sort -u)
    # dpkg knows each file by the one path its package lists: /lib or /usr/lib, link or file.
    for library in $libraries; do
        local real=$(realpath "$library")
        for path in "$library" "/usr$library" "${library#/usr}" "$real" "/usr$real" "${real#/usr}"; do
            dpkg -S "$path" 2>/dev/null && break
        done
    done | cut -d: -f1 | sort -u
}
qt_widgets_kb=0
libraries() {  # libraries NAME PACKAGES...
    local name=$1 count total; shift
    read -r count total <<<"$(sizes $(closure "$@"))"
    [ "$qt_widgets_kb" -eq 0 ] && qt_widgets_kb=$total
    printf '%-24s linked from %2d packages   closure: %3d packages, %8d kB (%s of Qt 6 Widgets)\n' \
        "$name" "$#" "$count" "$total" "$(awk -v a="$total" -v b="$qt_widgets_kb" 'BEGIN{printf "%.3fx", a / b}')"
}
report() {  # report NAME DEB
    local name=$1 file=$2 own packages total=0
    own=$(dpkg-deb -f "$file" Installed-Size)
    packages=$(closure $(direct_depends "$file"))
    read -r _ total <<<"$(sizes $packages)"
    printf '%-16s .deb %7d kB   installed %7d kB   dependencies: %3d packages, %8d kB\n' \
        "$name" $(($(stat -c %s "$file") / 1024)) "$own" "$(echo "$packages" | wc -w)" "$total"
}
report reikoboy "$deb"
# An earlier build of the days when CPack made the package.
if [ -n "$earlier" ] && [ -f "$earlier/CPackConfig.cmake" ]; then
    (cd "$earlier" && cpack -G DEB >/dev/null)
    report "reikoboy (earlier)" "$(ls "$earlier"/reikoboy_*.deb | head -1)"
fi
report "$other" "$other_deb"

libraries "Qt 6 Widgets alone" libqt6widgets6
libraries "the game's libraries" $(linked_packages "$build")
if [ -n "$earlier" ]; then libraries "earlier build's libraries" $(linked_packages "$earlier"); fi
