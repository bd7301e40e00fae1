#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the game and its metafile helper, nothing else, and starts it. The tests and
# benchmarks are left out here; scripts/test.sh turns them on again in the same build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh game
cmake -S . -B build -G Ninja -DREIKOBOY_TESTS=OFF -DREIKOBOY_BENCH=OFF
cmake --build build --target reikoboy reikoboy-metafile
cd data && exec ../build/bin/reikoboy
