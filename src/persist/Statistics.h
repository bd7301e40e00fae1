// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Wins, losses and draws of every kind of game, in the settings store's section
// "Statistics", apart from the options. A value that is not a count reads as zero.
#pragma once

#include <array>

namespace reikoboy {

// Whose results a row counts: each colour between two people at this screen, the person
// against each of the computer's levels, and the person over the network.
enum class ResultRow { ScreenBlue, ScreenRed, Novice, Amateur, Master, Network };
inline constexpr int kResultRows = 6;

struct Tally {
    int wins = 0;
    int losses = 0;
    int draws = 0;
    int bestMargin = 0;  // the most points a won game was won by
    friend bool operator==(const Tally&, const Tally&) = default;
};

using Statistics = std::array<Tally, kResultRows>;

enum class Outcome { Win, Loss, Draw };

Statistics readStatistics();
// Counts one game of `row`; `margin` is the winner's lead in points.
void countResult(ResultRow row, Outcome outcome, int margin);
void resetStatistics();

}  // namespace reikoboy
