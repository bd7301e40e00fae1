#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the saved-game fuzzer with clang (AddressSanitizer, UndefinedBehaviorSanitizer) and
# runs it. Usage: run_fuzzer.sh SOURCE_DIR WORK_DIR [libFuzzer options...]
set -euo pipefail
src=$1 work=$2
shift 2
mkdir -p "$work/corpus"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$src/src" "$src/tests/fuzz/SavedGameFuzzer.cpp" \
    "$src/src/game/Game.cpp" "$src/src/game/GameAnimation.cpp" "$src/src/game/GameState.cpp" \
    "$src/src/game/NumberText.cpp" \
    "$src/src/game/ResumeAnimation.cpp" \
    "$src/src/persist/SavedGameReader.cpp" "$src/src/persist/SavedGameWriter.cpp" \
    "$src/src/persist/SavedGameCheck.cpp" "$src/src/persist/RegularFile.cpp" \
    -o "$work/savedgame_fuzzer"
exec "$work/savedgame_fuzzer" "$work/corpus" "$src/tests/fuzz/corpus" "$@"
