// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Telling a Windows metafile by its first bytes: an enhanced one (EMF) or an old one (WMF,
// with or without the placeable header).
#pragma once

#include <cstdint>
#include <string_view>

namespace reikoboy {

enum class MetafileKind { None, Wmf, Emf };

inline MetafileKind metafileKind(std::string_view bytes) {
    auto u32 = [&](size_t at) {
        return uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
               uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24;
    };
    auto u16 = [&](size_t at) { return uint16_t(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8); };
    if (bytes.size() >= 44 && u32(0) == 1 && u32(40) == 0x464D4520) return MetafileKind::Emf;
    if (bytes.size() >= 22 && u32(0) == 0x9AC6CDD7) return MetafileKind::Wmf;
    if (bytes.size() >= 18 && (u16(0) == 1 || u16(0) == 2) && u16(2) == 9) return MetafileKind::Wmf;
    return MetafileKind::None;
}

}  // namespace reikoboy
