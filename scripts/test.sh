#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds everything and runs every test with CTest, then builds the game and its tests again
# with AddressSanitizer and UndefinedBehaviorSanitizer and runs them once more.
# Under CI (CI=true) warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

echo "== build and test"
# Tests and benchmarks on by name: scripts/run.sh builds the game alone in the same folder.
cmake -S . -B build -G Ninja -DREIKOBOY_WERROR="$werror" -DREIKOBOY_TESTS=ON -DREIKOBOY_BENCH=ON
cmake --build build
(cd build && ctest --output-on-failure --timeout 600)

# The fuzzer is sanitized already, and the end-to-end run plays the installed game above.
echo "== the same tests with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -G Ninja -DREIKOBOY_WERROR="$werror" -DREIKOBOY_SANITIZE=ON -DREIKOBOY_BENCH=OFF
cmake --build build-sanitize
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure --timeout 600 -E '^(fuzz|e2e)\.')
