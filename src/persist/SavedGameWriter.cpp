// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include <charconv>
#include <cmath>

#include "SavedGame.h"
#include "SavedGameLayout.h"

namespace reikoboy {

std::string formatNumber(float value) {
    if (value == std::trunc(value) && std::fabs(value) < 1e7f) {
        return std::to_string(static_cast<long>(value));
    }
    char text[32];
    auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 7);
    if (error != std::errc()) return "0";
    std::string out(text, end);
    for (char& c : out)
        if (c == 'e') c = 'E';
    return out;
}

namespace {

class Writer {
public:
    explicit Writer(std::string& out) : out_(out) {}
    void position(float value) { out_ += formatNumber(value); }
    void number(Value value, int, int) {
        if (value.isSet()) out_ += std::to_string(int(value));
    }
    void truth(bool value) { out_ += value ? "#TRUE#" : "#FALSE#"; }
    void comma() { out_ += ','; }
    void endLine() { out_ += "\r\n"; }

private:
    std::string& out_;
};

}  // namespace

std::string writeSavedGame(const GameState& state) {
    std::string out;
    out.reserve(2048);
    Writer writer(out);
    visitSavedValues(state, writer);
    return out;
}

}  // namespace reikoboy
