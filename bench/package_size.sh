#!/usr/bin/env bash
# The size of the game's .deb, installed, and with everything it depends on, beside those of
# a comparable board game from Debian (four-in-a-row by default), measured in the same run.
# Nothing of the other game is kept. Usage: bench/package_size.sh [BUILD_DIR] [OTHER_PACKAGE]
set -euo pipefail
build=$(realpath "${1:-build}")
other=${2:-four-in-a-row}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/reikoboy_*.deb | head -1)
(cd "$work" && apt-get download -q "$other" >/dev/null 2>&1) || { echo "cannot download $other"; exit 1; }
other_deb=$(ls "$work"/*.deb | head -1)

installed_kb() { apt-cache show --no-all-versions "$1" 2>/dev/null | sed -n 's/^Installed-Size: //p' | head -1; }
# Every package a list of dependencies pulls in, recursively, without recommendations.
closure() {
    apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
        --no-replaces --no-enhances "$@" 2>/dev/null | grep -v '^ ' | grep -v '^<' | sort -u
}
direct_depends() {  # the package names of a .deb's Depends field
    dpkg-deb -f "$1" Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g; s/:any//' | grep -v '^$' | sort -u
}
report() {  # report NAME DEB
    local name=$1 file=$2 own packages total=0 size
    own=$(dpkg-deb -f "$file" Installed-Size)
    packages=$(closure $(direct_depends "$file"))
    for p in $packages; do
        size=$(installed_kb "$p")
        total=$((total + ${size:-0}))
    done
    printf '%-16s .deb %7d kB   installed %7d kB   dependencies: %3d packages, %8d kB\n' \
        "$name" $(($(stat -c %s "$file") / 1024)) "$own" "$(echo "$packages" | wc -w)" "$total"
}
report reikoboy "$deb"
report "$other" "$other_deb"
