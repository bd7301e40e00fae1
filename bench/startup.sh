#!/usr/bin/env bash
# Start-up, memory and idle CPU of the game under Xvfb, side by side with a minimal Qt
# Widgets window built here: the game from the build, and the game installed into a
# temporary prefix and started as its menu entry says. Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-5}
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

exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 5>&-
until [ -s "$work/display" ]; do sleep 0.05; done
export DISPLAY=:$(cat "$work/display") XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
mkdir -m 700 "$XDG_RUNTIME_DIR"

measure() {  # measure NAME TITLE DIR COMMAND
    local name=$1 title=$2 dir=$3; shift 3
    local total=0 rss=0 anon=0 ticks=0
    for _ in $(seq "$runs"); do
        local start=$(date +%s%N)
        (cd "$dir" && exec "$@") >"$work/$name.log" 2>&1 &
        local pid=$!
        # xdotool's own --sync waits in steps of half a second; asking every 5 ms is finer,
        # and leaves the X server time to let each asker go.
        until xdotool search --onlyvisible --pid $pid --name "^$title\$" >/dev/null 2>&1; do
            kill -0 $pid 2>/dev/null || { echo "$name did not start: $*" >&2; cat "$work/$name.log" >&2; exit 1; }
            sleep 0.005
        done
        local end=$(date +%s%N)
        total=$((total + (end - start) / 1000))
        sleep 1
        rss=$(awk '/VmRSS/{print $2}' /proc/$pid/status)
        anon=$(awk '/RssAnon/{print $2}' /proc/$pid/status)  # memory of its own, not shared
        local before=$(awk '{print $14+$15}' /proc/$pid/stat)
        sleep 10
        local after=$(awk '{print $14+$15}' /proc/$pid/stat)
        ticks=$((after - before))
        kill $pid; wait $pid 2>/dev/null || true
    done
    printf '%-10s start-up %6d us (mean of %d)   RSS %6d kB (private %5d kB)   CPU ticks in 10 s idle: %d\n' \
        "$name" $((total / runs)) "$runs" "$rss" "$anon" "$ticks"
}
measure minimal minimal "$work" "$work/minimal"
measure reikoboy "Рейкобой" "$top/data" "$build/bin/reikoboy"

cmake --install "$build" --prefix "$work/prefix" >/dev/null
entry=$work/prefix/share/applications/org.example.Reikoboy.desktop
measure installed "Рейкобой" "$(sed -n 's/^Path=//p' "$entry")" \
    "$work/prefix/bin/$(sed -n 's/^Exec=//p' "$entry")"
