#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# A newcomer's machine, made anew for every run: a minimal Debian 12 (debootstrap, from the
# archive this machine's apt uses) with the committed checkout copied in. Inside it the README's
# test command runs, then the .deb is built and checked with lintian. A second fresh Debian 12
# installs that .deb with apt, taking its Depends from the archive, and starts the game from its
# menu entry and from a terminal under Xvfb.
#
#   scripts/clean-room.sh        run it all (as root)
#
# Exit status: 0 all passed; 1 something in the rooms failed; 75 the rooms could not be made
# (no debootstrap, no archive), so nothing was learned about the project.
set -uo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
cannot_make=75

say() { printf '== clean room: %s\n' "$*"; }

[ "$(id -u)" -eq 0 ] || { say "needs root"; exit $cannot_make; }
if ! command -v debootstrap >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap >/dev/null 2>&1 ||
        { apt-get update -q >/dev/null 2>&1 &&
          DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap >/dev/null 2>&1; } ||
        { say "cannot install debootstrap"; exit $cannot_make; }
fi

# The archive this machine's apt already uses, in either way of writing sources.
mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/*.sources 2>/dev/null)
[ -n "$mirror" ] || mirror=$(awk '$1 == "deb" && $3 ~ /^bookworm$/ {print $2; exit}' /etc/apt/sources.list 2>/dev/null)
[ -n "$mirror" ] || mirror=http://deb.debian.org/debian

work=$(mktemp -d /var/tmp/reikoboy-clean-room.XXXXXX)
rooms=()

unmount_room() {  # unmount_room ROOT: every bind mount under it, innermost first
    local root=$1 point
    for point in $(awk -v r="$root/" 'index($2, r) == 1 {print $2}' /proc/self/mounts | sort -r); do
        umount "$point" 2>/dev/null || umount -l "$point" 2>/dev/null || true
    done
}
cleanup() {
    local root
    for root in "${rooms[@]}"; do unmount_room "$root"; done
    # Nothing is deleted through a mount: every one is gone, and rm stays on this file system.
    for root in "${rooms[@]}"; do
        if awk -v r="$root/" 'index($2, r) == 1 {found=1} END {exit !found}' /proc/self/mounts; then
            say "left $root in place: something is still mounted there"
            return
        fi
    done
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT

say "making a minimal Debian 12 from $mirror"
started=$SECONDS
if ! debootstrap --variant=minbase bookworm "$work/base" "$mirror" >"$work/debootstrap.log" 2>&1; then
    say "debootstrap failed: $(tail -2 "$work/debootstrap.log" | tr '\n' ' ')"
    exit $cannot_make
fi
for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && cp "$f" "$work/base/etc/apt/sources.list.d/" && rm -f "$work/base/etc/apt/sources.list"
done
cp /etc/resolv.conf "$work/base/etc/" 2>/dev/null
tar -C "$work/base" -cf "$work/base.tar" . && rm -rf --one-file-system "$work/base"
say "base made in $((SECONDS - started)) s"

new_room() {  # new_room NAME: a fresh copy of the base in $room, with /proc, /sys and /dev bound in
    room=$work/$1
    local d
    mkdir -p "$room" && tar -C "$room" -xf "$work/base.tar" || return 1
    rooms+=("$room")
    for d in proc sys dev dev/pts; do mount --bind "/$d" "$room/$d" || return 1; done
}
in_room() {  # in_room ROOT COMMAND: run as root inside, with a login shell's plain environment
    env -i HOME=/root TERM=dumb LANG=C.UTF-8 CI="${CI:-}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin:/usr/games \
        chroot "$1" /bin/bash -c "$2"
}

# --- the first room: the README's test command, then the package
new_room build || { say "cannot set up the first room"; exit $cannot_make; }
# A clone, as a newcomer has it: the committed checkout, with its history.
mkdir -p "$room/src"
git clone -q --no-hardlinks "$source_dir" "$room/src/reikoboy" ||
    { say "cannot copy the committed checkout"; exit 1; }

say "the README's test command in a fresh Debian 12"
started=$SECONDS
in_room "$room" "cd /src/reikoboy && bash scripts/test.sh" || { say "FAILED: bash scripts/test.sh"; exit 1; }
say "the test command passed in $((SECONDS - started)) s"

say "building the .deb and checking it with lintian"
started=$SECONDS
in_room "$room" "cd /src/reikoboy && rm -rf build build-sanitize &&
    DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -b >/src/build-deb.log 2>&1 ||
        { tail -30 /src/build-deb.log; exit 1; }" || { say "FAILED: dpkg-buildpackage"; exit 1; }
in_room "$room" "DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends lintian >/dev/null &&
    lintian --fail-on error,warning /src/reikoboy_*.deb" || { say "FAILED: lintian"; exit 1; }
deb=$(ls "$room"/src/reikoboy_*.deb | head -1)
cp "$deb" "$work/" && deb=$work/$(basename "$deb")
say "$(basename "$deb") built and lintian-clean in $((SECONDS - started)) s"

# --- the second room: a player's machine that installs the .deb with apt
room=""
new_room player || { say "cannot set up the second room"; exit $cannot_make; }
cp "$deb" "$room/tmp/"
say "installing $(basename "$deb") with apt in another fresh Debian 12"
started=$SECONDS
in_room "$room" "apt-get update -q >/dev/null && DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends /tmp/$(basename "$deb") >/tmp/install.log 2>&1 ||
        { tail -20 /tmp/install.log; exit 1; }" || { say "FAILED: apt-get install of the .deb"; exit 1; }
say "installed in $((SECONDS - started)) s: $(in_room "$room" "dpkg-query -W -f='\${Installed-Size} kB, ' reikoboy; \
    dpkg-query -W -f='\${Status}\n' | grep -c 'install ok installed'") packages on the machine"

# The X server and xdotool come after the game, so they cannot stand in for a missing Depends.
in_room "$room" "DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends xvfb xauth xdotool \
    >/dev/null" || { say "FAILED: cannot install Xvfb and xdotool"; exit 1; }
cp "$source_dir/tests/e2e/start_installed_game.sh" "$source_dir/tests/e2e/x_server.sh" "$room/tmp/"
in_room "$room" "bash /tmp/start_installed_game.sh" || { say "FAILED: starting the installed game"; exit 1; }
say "all passed"
