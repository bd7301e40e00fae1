#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the picture-gate fuzzer with clang (AddressSanitizer, UndefinedBehaviorSanitizer) and
# runs it. Usage: run_picture_fuzzer.sh SOURCE_DIR WORK_DIR [libFuzzer options...]
set -euo pipefail
src=$1 work=$2
shift 2
mkdir -p "$work/pictures"
# shellcheck disable=SC2046
clang++ -std=c++20 -O1 -g -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -DREIKOBOY_HELPER_FROM_BIN='"."' -I"$src/src" \
    "$src/tests/fuzz/PictureGateFuzzer.cpp" "$src/src/ui/pictures/PictureGate.cpp" "$src/src/ui/pictures/PictureFile.cpp" \
    "$src/src/persist/RegularFile.cpp" \
    $(pkg-config --cflags --libs Qt6Gui) -o "$work/picturegate_fuzzer"
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="*=false"
exec "$work/picturegate_fuzzer" -dict="$src/tests/fuzz/pictures.dict" "$work/pictures" "$@"
