// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "GameState.h"

#include <cmath>

namespace reikoboy {

namespace {

// Chips stand where the window's design puts them before the first new game.
constexpr int kBlueStockDesignLeft = 176;
constexpr int kRedStockLeft = 440;
constexpr int kStockSpacing = 24;

int cellIndex(float position, int origin) {
    // The window's coordinates are whole pixels; a chip between two cells counts in the one
    // it left, as the integer division truncates towards zero.
    if (!(std::fabs(position) < 1e6f)) return -1000000;  // far off any board
    long pixel = std::lrint(position);  // halves to even in the default rounding mode
    return static_cast<int>((pixel - origin) / kCell);
}

}  // namespace

GameState::GameState() {
    for (int i = 0; i < kChipsPerColour; ++i) {
        Image5[i] = {float(kBlueStockDesignLeft - kStockSpacing * i), 0, true};
        Image6[i] = {float(kRedStockLeft + kStockSpacing * i), 0, true};
    }
    for (auto& column : blueAt) column.fill(-1);
    for (auto& column : redAt) column.fill(-1);
}

int columnOf(const ChipPicture& chip) { return cellIndex(chip.Left, kChipLeft0); }
int levelOf(const ChipPicture& chip) { return cellIndex(chip.Top, kChipTop0); }

}  // namespace reikoboy
