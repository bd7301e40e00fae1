#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# What a screen reader receives for one move: the built game runs in an X server of its own
# (Xvfb) on a private D-Bus session with the accessibility bus of at-spi2-core, and
# screen_reader_listener.py listens there over AT-SPI, as a screen reader does, while it plays a
# move with the keys. Nothing of a desktop session is needed: everything is started here.
# Usage: screen_reader_move.sh BUILD_DIR. Exit status 77: the accessibility bus cannot start here.
set -euo pipefail
build=$(realpath "$1")
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
cannot_start=77
# Debian's Python, where python3-pyatspi is installed, whatever python3 comes first on PATH.
python=/usr/bin/python3

fail() {
    echo "screen reader: FAILED: $*" >&2
    exit 1
}

if [ -z "${REIKOBOY_A11Y_SESSION:-}" ]; then
    for tool in Xvfb xdotool dbus-run-session dbus-send; do
        command -v $tool >/dev/null || fail "needs $tool"
    done
    "$python" -c 'import pyatspi' 2>/dev/null || fail "needs pyatspi for $python (python3-pyatspi)"
    top=$(mktemp -d)
    xvfb=""
    cleanup() {
        [ -n "$xvfb" ] && { kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; }
        rm -rf "$top"
    }
    trap cleanup EXIT
    # Once more on a new display when the game could not reach the X server at all: that says
    # nothing of what a screen reader hears.
    for attempt in 1 2; do
        work=$top/$attempt
        mkdir -p "$work"
        xvfb=""
        # An X server of our own on a display no other is on, in this file system or another
        # (a chroot's server holds the abstract socket of the same name, where clients look first).
        for _ in $(seq 20); do
            n=$((100 + RANDOM % 800))
            [ -e "/tmp/.X$n-lock" ] && continue
            grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null && continue
            exec 5>"$work/display"
            Xvfb ":$n" -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
            xvfb=$!
            exec 5>&-
            for _ in $(seq 50); do [ -s "$work/display" ] || ! kill -0 $xvfb 2>/dev/null && break; sleep 0.1; done
            [ -s "$work/display" ] && break
            kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; xvfb=""
        done
        [ -n "$xvfb" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
        export DISPLAY=:$n QT_QPA_PLATFORM=xcb
        # Ready when a client gets in, not only when the server says it listens.
        for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
        export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
        unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
        mkdir -p "$HOME"
        mkdir -m 700 "$XDG_RUNTIME_DIR"
        # The bus launcher finds its service and settings schemas through the system's data folders.
        export XDG_DATA_HOME=$work/data XDG_DATA_DIRS=/usr/local/share:/usr/share
        mkdir -p "$XDG_DATA_HOME"
        printf '[general]\ndrivers=wave\n[wave]\nfile=%s\n' "$work/heard.wav" >"$work/alsoft.conf"
        export ALSOFT_CONF=$work/alsoft.conf
        # The session bus lives as long as the script below; the accessibility bus it starts on
        # demand goes with it.
        set +e
        REIKOBOY_A11Y_SESSION=1 dbus-run-session -- bash "$0" "$@" 2>&1 | tee "$work/session.log"
        status=${PIPESTATUS[0]}
        set -e
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
        xvfb=""
        if [ "$status" -ne 0 ] && [ "$attempt" -eq 1 ] && grep -q 'could not connect to display' "$work/session.log"; then
            echo "screen reader: the game could not reach the X server on :$n; once more on another display"
            continue
        fi
        exit $status
    done
fi

# --- inside the private session: the accessibility bus, started as a desktop starts it
if ! address=$(timeout 30 dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
                   org.a11y.Bus.GetAddress 2>&1) || [ -z "${address// /}" ]; then
    echo "screen reader: SKIPPED: the AT-SPI bus does not start here: $address"
    exit $cannot_start
fi
# Qt speaks to the accessibility bus only while a screen reader is said to run, or always so.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
"$python" "$source_dir/tests/e2e/screen_reader_listener.py" "$build/bin/reikoboy" "$source_dir/data" ||
    fail "see above"
echo "screen reader: one move said whose turn it is and both scores, the focus moving at most once;"
echo "the hint and the move taken back were said by the focused control"
# The computer plays blue, as a novice: what it did must reach the screen reader by itself. The
# game the first run was ended in is not offered again.
rm -rf "$XDG_DATA_HOME/Рейкобой"
mkdir -p "$XDG_CONFIG_HOME/Рейкобой"
printf '[Settings]\n%%U0421%%U043E%%U043F%%U0435%%U0440%%U043D%%U0438%%U043A=2\n%%U0421%%U0438%%U043B%%U0430=0\n' \
    >"$XDG_CONFIG_HOME/Рейкобой/Рейкобой.ini"
"$python" "$source_dir/tests/e2e/screen_reader_listener.py" "$build/bin/reikoboy" "$source_dir/data" --computer ||
    fail "see above"
echo "screen reader: the computer's turn was said by the focused control"
