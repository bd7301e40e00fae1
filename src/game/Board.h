// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The board's geometry and the rails' start pattern: columns, levels and pixels of the window.
#pragma once

#include <string_view>

namespace reikoboy {

inline constexpr int kRails = 6;         // rail 0 on top .. rail 5 at the bottom
inline constexpr int kColumns = 13;      // board columns 0..12
inline constexpr int kLevels = 6;        // a chip's level is the rail whose hole holds it
inline constexpr int kRailPositions = 21;  // cells of a rail array: column c lies over c + 4
inline constexpr int kPositionOffset = 4;
inline constexpr int kMaxShift = 3;      // a rail slides at most three cells from home
inline constexpr int kChipsPerColour = 8;
inline constexpr int kFallSlots = 17;    // room of each falling list
inline constexpr int kDropButtons = 7;   // Command1(k) drops into column k + 3
inline constexpr int kFirstDropColumn = 3;
inline constexpr int kDrumButtons = 4;
inline constexpr int kDrumPositions = 3;
inline constexpr int kDrumLastMoved = 6;  // lastMoved value of a drum turn
inline constexpr int kNothingMoved = -1;
inline constexpr int kMaxScore = 32767;  // scores are small integers
inline constexpr float kMaxPosition = 32767;  // picture positions stay within 16-bit pixels

inline constexpr int kCell = 40;          // pixels between cells, both ways
inline constexpr int kChipLeft0 = 64;     // chip x at column 0
inline constexpr int kChipTop0 = 97;      // chip y at level 0
inline constexpr int kRailHomeLeft = 56;  // rail picture x at home
inline constexpr int kRailTop0 = 80;      // rail 0 picture y
inline constexpr int kTickPixels = 4;     // an animation tick moves 4 pixels
inline constexpr int kTicksPerCell = 10;

inline constexpr int kBlue = 0;
inline constexpr int kRed = 1;

// 0x00BBGGRR colours
inline constexpr unsigned kPureBlue = 0xFF0000;
inline constexpr unsigned kPureRed = 0xFF;
inline constexpr unsigned kDarkRed = 0xC0;

// Six rails of thirteen cells, rail 0 first; "1" is solid, anything else a hole.
inline constexpr std::string_view kStartPattern =
    "111101010111111011010110111110110110111101110101110111101101101111011101011101";

constexpr float chipLeftAt(int column) { return float(kChipLeft0 + kCell * column); }
constexpr float chipTopAt(int level) { return float(kChipTop0 + kCell * level); }
constexpr float railLeftAt(int shift) { return float(kRailHomeLeft + kCell * shift); }

}  // namespace reikoboy
