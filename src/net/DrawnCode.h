// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A new game's code: six digits from the system's random source.
#pragma once

#include <string>

namespace reikoboy::net {

std::string drawCode();

}  // namespace reikoboy::net
