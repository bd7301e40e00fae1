# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# A real X server of our own for a test script, found by display number, with a player's
# private folders; sourced. start_x_server WORK_DIR sets DISPLAY, HOME, XDG_* and $xvfb (its
# process id); the calling script defines fail and kills $xvfb when it ends.
start_x_server() {
    local work=$1
    exec 5>"$work/display"
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    exec 5>&-
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=:$(cat "$work/display") QT_QPA_PLATFORM=xcb
    export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
    unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
    mkdir -p "$HOME"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}
