// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What a line from the network may hold: strict UTF-8 (no overlong forms, no surrogates,
// nothing past U+10FFFF), counted in characters, with or without control characters.
#pragma once

#include <cstddef>
#include <string_view>

namespace reikoboy::net {

bool isValidUtf8(std::string_view bytes);

// Characters (code points) of valid UTF-8.
std::size_t characterCount(std::string_view utf8);

// Whether valid UTF-8 holds a C0 or C1 control character or DEL.
bool hasControlCharacter(std::string_view utf8);

}  // namespace reikoboy::net
