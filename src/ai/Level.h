// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The computer's three strengths, as the settings store and the replay tool name them.
#pragma once

#include <optional>
#include <string_view>

namespace reikoboy::ai {

enum class Level { Novice = 0, Amateur = 1, Master = 2 };

inline constexpr Level kDefaultLevel = Level::Amateur;

// "novice", "amateur" or "master".
inline std::optional<Level> levelFromName(std::string_view name) {
    if (name == "novice") return Level::Novice;
    if (name == "amateur") return Level::Amateur;
    if (name == "master") return Level::Master;
    return std::nullopt;
}

}  // namespace reikoboy::ai
