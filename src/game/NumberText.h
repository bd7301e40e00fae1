// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Reading a number from text the way the game's files and settings write them:
// an optional sign, digits with an optional "." fraction, an optional exponent; nothing else.
#pragma once

#include <optional>
#include <string_view>

namespace reikoboy {

std::optional<double> parseNumber(std::string_view text);

// Rounds to the nearest whole number, halves to even, as the game's integer conversions do.
long long roundHalfEven(double value);

}  // namespace reikoboy
