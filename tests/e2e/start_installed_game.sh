#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# On a machine where the game was installed from its .deb: starts it under Xvfb the two ways a
# player does, from its menu entry (in the home folder, as a desktop starts it) and by name from
# a terminal in another folder, checks that its window appears, opens the help and closes the
# game through its File menu. Usage: start_installed_game.sh [SCREENSHOT_DIR]
set -euo pipefail
entry=/usr/share/applications/org.example.Reikoboy.desktop
shots=${1:-}
work=$(mktemp -d)
xvfb="" game=""
fail() { echo "installed game: FAILED: $*" >&2; exit 1; }
cleanup() {
    local pid
    for pid in $game $xvfb; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
source "$(dirname "$0")/x_server.sh"

[ -f "$entry" ] || fail "no menu entry $entry"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ -n "$exec_line" ] || fail "the menu entry has no Exec"
grep -q '^Path=' "$entry" && fail "the menu entry still sets a starting folder"

start_x_server "$work"

window_count() { xdotool search --onlyvisible --pid "$game" 2>/dev/null | wc -l; }
start_and_close() {  # start_and_close HOW FOLDER COMMAND...
    local how=$1 folder=$2 window
    shift 2
    (cd "$folder" && exec "$@") >"$work/game.log" 2>&1 &
    game=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game" --name '^Рейкобой$' | head -1) ||
        fail "$how: no window titled Рейкобой within 20 s: $(cat "$work/game.log")"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$WIDTH" -eq 634 ] || fail "$how: the window is $WIDTH pixels wide, not 634"
    xdotool windowfocus --sync "$window"
    sleep 0.5
    [ -n "$shots" ] && command -v xwd >/dev/null && xwd -root -silent >"$shots/$how.xwd"

    xdotool key F1
    for _ in $(seq 50); do [ "$(window_count)" -gt 1 ] && break; sleep 0.1; done
    [ -n "$(xdotool search --onlyvisible --pid "$game" --name '^Справка$')" ] || fail "$how: F1 shows no help window"
    xdotool key Return
    for _ in $(seq 50); do [ "$(window_count)" -le 1 ] && break; sleep 0.1; done

    # File menu, its last item: Exit. A game without a move closes without a question.
    xdotool mousemove --sync $((X + 20)) $((Y + 10)) click 1
    sleep 0.5
    xdotool key Up Return
    for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$game" 2>/dev/null && fail "$how: the game did not close through its File menu"
    wait "$game" || fail "$how: the game exited with status $?"
    game=""
    echo "installed game: started $how, showed its help, closed"
}

# shellcheck disable=SC2086 # Exec is a command line
start_and_close "from the menu entry" "$HOME" $exec_line
start_and_close "from a terminal" /tmp reikoboy
