// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace reikoboy {

std::optional<double> parseNumber(std::string_view text) {
    // Longer text is no number of this game; the limit also bounds the work on hostile input.
    constexpr size_t kLongestNumber = 64;
    if (text.empty() || text.size() > kLongestNumber) return std::nullopt;

    size_t i = 0;
    auto digits = [&] {
        size_t start = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
        return i - start;
    };
    if (text[i] == '+' || text[i] == '-') ++i;
    size_t whole = digits();
    size_t fraction = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        fraction = digits();
    }
    if (whole + fraction == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (digits() == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;

    // from_chars takes no leading '+'; it is locale-independent, unlike strtod.
    std::string_view body = text;
    if (body.front() == '+') body.remove_prefix(1);
    double value = 0;
    auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (error != std::errc() || end != body.data() + body.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

long long roundHalfEven(double value) {
    double down = std::floor(value);
    double rest = value - down;
    if (rest > 0.5) return static_cast<long long>(down) + 1;
    if (rest < 0.5) return static_cast<long long>(down);
    long long d = static_cast<long long>(down);
    return d % 2 == 0 ? d : d + 1;
}

}  // namespace reikoboy
