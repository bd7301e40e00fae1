#!/usr/bin/env bash
# Start-up, memory and idle CPU of the game under Xvfb, side by side with a minimal Qt
# Widgets window built here. Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-5}
top=$(cd "$(dirname "$0")/.." && pwd)
for tool in Xvfb xdotool; do command -v $tool >/dev/null || { echo "needs $tool"; exit 1; }; done
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT

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

Xvfb :97 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=:97 XDG_CONFIG_HOME="$work/config"

measure() {  # measure NAME TITLE DIR COMMAND
    local name=$1 title=$2 dir=$3; shift 3
    local total=0 rss=0 ticks=0
    for _ in $(seq "$runs"); do
        local start=$(date +%s%N)
        (cd "$dir" && exec "$@") >/dev/null 2>&1 &
        local pid=$!
        xdotool search --sync --onlyvisible --name "^$title\$" >/dev/null
        local end=$(date +%s%N)
        total=$((total + (end - start) / 1000))
        sleep 1
        rss=$(awk '/VmRSS/{print $2}' /proc/$pid/status)
        local before=$(awk '{print $14+$15}' /proc/$pid/stat)
        sleep 10
        local after=$(awk '{print $14+$15}' /proc/$pid/stat)
        ticks=$((after - before))
        kill $pid; wait $pid 2>/dev/null || true
    done
    printf '%-10s start-up %6d us (mean of %d)   RSS %6d kB   CPU ticks in 10 s idle: %d\n' \
        "$name" $((total / runs)) "$runs" "$rss" "$ticks"
}
measure minimal minimal "$work" "$work/minimal"
measure reikoboy "Рейкобой" "$top/data" "$build/bin/reikoboy"
