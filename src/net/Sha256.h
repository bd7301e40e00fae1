// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The hash both sides compare: SHA-256 in lower-case hex, by Qt's own implementation.
#pragma once

#include <string>
#include <string_view>

namespace reikoboy::net {

std::string sha256Hex(std::string_view bytes);

}  // namespace reikoboy::net
