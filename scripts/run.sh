#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja
cmake --build build
if [ -x build/bin/reikoboy ]; then
    cd data && exec ../build/bin/reikoboy
fi
# Without the window, play the sample game through the rules and show the saved game.
build/bin/reikoboy-replay --trace < data/sample-game.txt
