#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Instructions executed from the start of the process until its window has shown its first
# frame and the event loop is idle, counted by callgrind (the same count whatever else the
# machine does), for the game and, in the same run, a minimal Qt Widgets window of the same
# size built here, showing one line of text, so that both pay for setting up the fonts. Both run in Xvfb (the xcb platform, as on a desktop) and leave at that point
# with _exit, so that nothing of the way out is counted; the game does so when
# REIKOBOY_EXIT_AFTER_FIRST_FRAME is set. Then each runs once more, without valgrind or the
# early exit, for its resident set (RSS) one second after its window is shown. Pass a folder as
# KEEP to keep callgrind's files.
# Usage: bench/startup_instructions.sh [BUILD_DIR]
set -euo pipefail
build=$(realpath "${1:-build}")
top=$(cd "$(dirname "$0")/.." && pwd)
for tool in Xvfb xdotool valgrind pkg-config; do command -v $tool >/dev/null || { echo "needs $tool"; exit 1; }; done
work=$(mktemp -d)
xvfb=""
trap 'if [ -n "$xvfb" ]; then kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; fi; rm -rf "$work"' EXIT

# The same way out as the game's: after the first exposure is painted, two turns of the loop.
cat >"$work/minimal.cpp" <<'CPP'
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>
#include <unistd.h>
struct Watch : QObject {
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->isWidgetType()) {
            o->removeEventFilter(this);
            static_cast<QWidget*>(o)->windowHandle()->installEventFilter(this);
        } else if (e->type() == QEvent::Expose && static_cast<QWindow*>(o)->isExposed()) {
            o->removeEventFilter(this);
            QTimer::singleShot(0, [] { QTimer::singleShot(0, [] { ::_exit(0); }); });
        }
        return false;
    }
};
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle("minimal");
    w.resize(634, 430);
    w.setCentralWidget(new QLabel("minimal"));
    Watch watch;
    if (qEnvironmentVariableIsSet("REIKOBOY_EXIT_AFTER_FIRST_FRAME")) w.installEventFilter(&watch);
    w.show();
    return app.exec();
}
CPP
g++ -O2 -fPIC "$work/minimal.cpp" -o "$work/minimal" $(pkg-config --cflags --libs Qt6Widgets)

# A display number of its own, far from the low ones that xvfb-run -a and others pick.
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
export DISPLAY=:$display XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
mkdir -m 700 "$XDG_RUNTIME_DIR"

rss() {  # rss NAME TITLE DIR COMMAND: the resident set one second after the window shows, in kB
    local name=$1 title=$2 dir=$3; shift 3
    (cd "$dir" && exec "$@") >"$work/$name-rss.log" 2>&1 &
    local pid=$!
    until xdotool search --onlyvisible --pid $pid --name "^$title\$" >/dev/null 2>&1; do
        kill -0 $pid 2>/dev/null || { echo "$name did not start" >&2; cat "$work/$name-rss.log" >&2; exit 1; }
        sleep 0.005
    done
    sleep 1
    awk '$1 == "Rss:" {print $2}' /proc/$pid/smaps_rollup
    kill $pid; wait $pid 2>/dev/null || true
}

minimal=0 minimal_rss=0
count() {  # count NAME TITLE DIR COMMAND: prints the figures; keeps them in $total and $kb
    local name=$1 title=$2 dir=$3; shift 3
    (cd "$dir" && REIKOBOY_EXIT_AFTER_FIRST_FRAME=1 exec valgrind --tool=callgrind --callgrind-out-file="$work/$name.out" "$@") \
        >"$work/$name.log" 2>&1 || { echo "$name failed:" >&2; cat "$work/$name.log" >&2; exit 1; }
    total=$(awk '/^(summary|totals):/ {print $2; exit}' "$work/$name.out")
    kb=$(rss "$name" "$title" "$dir" "$@")
    local ratio="-" rss_ratio="-"
    [ "$minimal" -gt 0 ] && ratio=$(awk -v a="$total" -v b="$minimal" 'BEGIN{printf "%.2fx", a / b}')
    [ "$minimal_rss" -gt 0 ] && rss_ratio=$(awk -v a="$kb" -v b="$minimal_rss" 'BEGIN{printf "%.2fx", a / b}')
    printf '%-8s %12d instructions  %6.1f M  %-6s  RSS %6d kB  %s\n' "$name" "$total" \
        "$(awk -v a="$total" 'BEGIN{print a / 1e6}')" "$ratio" "$kb" "$rss_ratio"
    if [ -n "${KEEP:-}" ]; then mkdir -p "$KEEP" && cp "$work/$name.out" "$KEEP/"; fi
}
count minimal minimal "$work" "$work/minimal"
minimal=$total minimal_rss=$kb
count reikoboy "Рейкобой" "$top/data" "$build/bin/reikoboy"
