// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Utf8.h"

namespace reikoboy::net {

namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The code point starting at `i` and its length, for valid UTF-8.
char32_t decodeAt(std::string_view s, std::size_t i, std::size_t& length) {
    auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
        length = 1;
        return c;
    }
    length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    char32_t point = c & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length; ++k) point = (point << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return point;
}

}  // namespace

bool isValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t length;
        char32_t smallest;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            smallest = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            smallest = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            smallest = 0x10000;
        } else {
            return false;  // a continuation byte first, an overlong lead byte, or past U+10FFFF
        }
        if (s.size() - i < length) return false;
        for (std::size_t k = 1; k < length; ++k)
            if (!isContinuation(static_cast<unsigned char>(s[i + k]))) return false;
        std::size_t decoded;
        char32_t point = decodeAt(s, i, decoded);
        if (point < smallest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

std::size_t characterCount(std::string_view s) {
    std::size_t count = 0;
    for (char c : s)
        if (!isContinuation(static_cast<unsigned char>(c))) ++count;
    return count;
}

bool hasControlCharacter(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        std::size_t length;
        char32_t point = decodeAt(s, i, length);
        if (point < 0x20 || (point >= 0x7F && point <= 0x9F)) return true;
        i += length;
    }
    return false;
}

}  // namespace reikoboy::net
