// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "MoveScript.h"

#include <array>
#include <sstream>
#include <utility>

namespace reikoboy {

namespace {

constexpr std::array<std::pair<std::string_view, Button>, 5> kButtons{{
    {"Command1", Button::Command1},
    {"Command2", Button::Command2},
    {"Command3", Button::Command3},
    {"Command4", Button::Command4},
    {"Command5", Button::Command5},
}};

constexpr std::array<std::pair<std::string_view, ScriptLine::Kind>, 3> kCommands{{
    {"Nova", ScriptLine::NewGame},
    {"Undo", ScriptLine::Undo},
    {"Redo", ScriptLine::Redo},
}};

constexpr std::size_t kQuotedCharacters = 80;

ScriptLine bad(std::string why) {
    ScriptLine line;
    line.kind = ScriptLine::Bad;
    line.error = std::move(why);
    return line;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

ScriptLine parseScriptLine(std::string_view text) {
    size_t first = 0;
    while (first < text.size() && isBlank(text[first])) ++first;
    if (first == text.size() || text[first] == '#') return {};

    std::istringstream words{std::string(text)};
    std::string word, indexWord, extra;
    words >> word;
    bool hasIndex = static_cast<bool>(words >> indexWord);
    if (words >> extra) return bad("unexpected \"" + shortened(extra) + "\"");

    for (auto [name, kind] : kCommands) {
        if (word != name) continue;
        if (hasIndex) return bad(word + " takes no index");
        ScriptLine line;
        line.kind = kind;
        return line;
    }
    for (auto [name, button] : kButtons) {
        if (word != name) continue;
        ScriptLine line;
        line.kind = ScriptLine::Move;
        line.button = button;
        if (button == Button::Command5) {
            if (hasIndex) return bad("Command5 takes no index");
            return line;
        }
        if (!hasIndex) return bad(word + " needs an index");
        bool digits = !indexWord.empty() && indexWord.size() <= 2 &&
                      indexWord.find_first_not_of("0123456789") == std::string::npos;
        int index = digits ? std::stoi(indexWord) : -1;
        if (index < 0 || index >= buttonCount(button))
            return bad("index \"" + shortened(indexWord) + "\" out of range for " + word);
        line.index = index;
        return line;
    }
    return bad("unknown move \"" + shortened(word) + "\"");
}

std::string shortened(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A character starts at every byte that is not a UTF-8 continuation byte.
        bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts && ++characters > kQuotedCharacters)
            return std::string(text.substr(0, i)) + "…";
    }
    return std::string(text);
}

}  // namespace reikoboy
