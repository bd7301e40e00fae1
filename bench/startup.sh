#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Start-up, memory and idle CPU of the game under Xvfb, side by side with a minimal Qt
# Widgets window built here: the game from the build, and the game installed into a
# temporary prefix and started as its menu entry says. An earlier build (of another commit)
# may be measured in the same run, for a before and after. Memory is the resident set (RSS)
# and the proportional set (PSS: shared pages divided among the processes that map them),
# from /proc/PID/smaps_rollup; PSS shifts with whatever else runs, so use a quiet machine.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS] [EARLIER_BUILD_DIR]
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-5}
earlier=${3:+$(realpath "$3")}
top=$(cd "$(dirname "$0")/.." && pwd)
for tool in Xvfb xdotool; do command -v $tool >/dev/null || { echo "needs $tool"; exit 1; }; done
work=$(mktemp -d)
xvfb=""
trap 'if [ -n "$xvfb" ]; then kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; fi; rm -rf "$work"' EXIT

cat >"$work/minimal.cpp" <<'CPP'
#include <QApplication>
#include <QMainWindow>
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle("minimal");
    w.resize(634, 430);
    w.show();
    return app.exec();
}
CPP
g++ -O2 -fPIC "$work/minimal.cpp" -o "$work/minimal" $(pkg-config --cflags --libs Qt6Widgets)

# A display number of its own, far from the low ones that xvfb-run -a and others pick: a second
# server on the same number takes over its socket, and removes it on leaving.
display=""
for n in $(shuf -i 200-899 -n 20); do
    [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] || { display=$n; break; }
done
[ -n "$display" ] || { echo "no free X display"; exit 1; }
Xvfb :$display -noreset -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
until [ -S /tmp/.X11-unix/X$display ]; do
    kill -0 $xvfb 2>/dev/null || { cat "$work/xvfb.log"; exit 1; }
    sleep 0.05
done
echo $display >"$work/display"
export DISPLAY=:$(cat "$work/display") XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
mkdir -m 700 "$XDG_RUNTIME_DIR"

kb() { awk -v key="$1:" '$1 == key {print $2}' "$2"; }
minimal_us=0 minimal_rss=0 minimal_pss=0
ratio() { if [ "$2" -gt 0 ]; then awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2fx", a / b}'; else echo "-"; fi; }
measure() {  # measure NAME TITLE DIR COMMAND
    local name=$1 title=$2 dir=$3; shift 3
    local total=0 rss=0 pss=0 anon=0 ticks=0
    for _ in $(seq "$runs"); do
        local start=$(date +%s%N)
        (cd "$dir" && exec "$@") >"$work/$name.log" 2>&1 &
        local pid=$!
        # xdotool's own --sync waits in steps of half a second; asking every 5 ms is finer,
        # and leaves the X server time to let each asker go.
        until xdotool search --onlyvisible --pid $pid --name "^$title\$" >/dev/null 2>&1; do
            kill -0 $pid 2>/dev/null || { echo "$name did not start: $*" >&2; cat "$work/$name.log" "$work/xvfb.log" >&2; exit 1; }
            sleep 0.005
        done
        local end=$(date +%s%N)
        total=$((total + (end - start) / 1000))
        sleep 1
        cp /proc/$pid/smaps_rollup "$work/rollup"
        rss=$((rss + $(kb Rss "$work/rollup")))
        pss=$((pss + $(kb Pss "$work/rollup")))
        anon=$((anon + $(kb Anonymous "$work/rollup")))  # memory of its own, not shared
        local before=$(awk '{print $14+$15}' /proc/$pid/stat)
        sleep 10
        local after=$(awk '{print $14+$15}' /proc/$pid/stat)
        ticks=$((ticks + after - before))
        kill $pid; wait $pid 2>/dev/null || true
    done
    total=$((total / runs)) rss=$((rss / runs)) pss=$((pss / runs)) anon=$((anon / runs))
    if [ "$name" = minimal ]; then minimal_us=$total minimal_rss=$rss minimal_pss=$pss; fi
    printf '%-10s start-up %6d us %s   RSS %6d kB %s   PSS %6d kB %s   (private %5d kB)   idle CPU ticks (10 s a run, all runs): %d\n' \
        "$name" "$total" "$(ratio $total $minimal_us)" "$rss" "$(ratio $rss $minimal_rss)" \
        "$pss" "$(ratio $pss $minimal_pss)" "$anon" "$ticks"
}
echo "means of $runs runs; ticks summed over them"
measure minimal minimal "$work" "$work/minimal"
if [ -n "$earlier" ]; then measure earlier "Рейкобой" "$top/data" "$earlier/bin/reikoboy"; fi
measure reikoboy "Рейкобой" "$top/data" "$build/bin/reikoboy"
# With an audio device open: OpenAL Soft's "No Output" device mixes in real time like a sound
# card, without one. The game rests the device while nothing plays.
printf '[general]\ndrivers = null\n' >"$work/no-output.conf"
ALSOFT_CONF="$work/no-output.conf" measure device "Рейкобой" "$top/data" "$build/bin/reikoboy"

cmake --install "$build" --prefix "$work/prefix" >/dev/null
entry=$work/prefix/share/applications/org.example.Reikoboy.desktop
mkdir -p "$work/home"
measure installed "Рейкобой" "$work/home" "$(sed -n 's/^Exec=//p' "$entry")"
