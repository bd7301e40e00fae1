#!/usr/bin/env bash
# Builds everything and runs every test with CTest. Under CI (CI=true) warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B build -G Ninja -DREIKOBOY_WERROR="$werror"
cmake --build build
cd build
ctest --output-on-failure --timeout 600
