// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Message.h"

#include <algorithm>
#include <array>

#include "Utf8.h"
#include "game/Board.h"

namespace reikoboy::net {

namespace {

using Kind = Message::Kind;

struct Keyword {
    Kind kind;
    std::string_view word;
};

constexpr std::array<Keyword, 14> kKeywords{{{Kind::Hello, "HELLO"},
                                             {Kind::Welcome, "WELCOME"},
                                             {Kind::Refused, "REFUSED"},
                                             {Kind::Game, "GAME"},
                                             {Kind::End, "END"},
                                             {Kind::Ready, "READY"},
                                             {Kind::Move, "MOVE"},
                                             {Kind::Check, "CHECK"},
                                             {Kind::Chat, "CHAT"},
                                             {Kind::Again, "AGAIN"},
                                             {Kind::Ping, "PING"},
                                             {Kind::Pong, "PONG"},
                                             {Kind::Bye, "BYE"},
                                             {Kind::Error, "ERROR"}}};

constexpr std::array<std::string_view, 5> kButtonNames{"Command1", "Command2", "Command3", "Command4", "Command5"};

std::string_view keywordOf(Kind kind) {
    for (const Keyword& k : kKeywords)
        if (k.kind == kind) return k.word;
    return {};
}

bool allDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A small decimal number written without leading zeros.
std::optional<int> smallNumber(std::string_view s) {
    if (!allDigits(s) || s.size() > 6 || (s.size() > 1 && s[0] == '0')) return std::nullopt;
    int value = 0;
    for (char c : s) value = value * 10 + (c - '0');
    return value;
}

// Cuts the first word off `rest` at one space; the word is all of `rest` when it holds none.
std::string_view firstWord(std::string_view& rest) {
    std::size_t space = rest.find(' ');
    std::string_view word = rest.substr(0, space);
    rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
    return word;
}

bool hasSpace(std::string_view s) { return s.find(' ') != std::string_view::npos; }

std::optional<Message> parseMove(std::string_view args) {
    std::string_view name = firstWord(args);
    auto found = std::find(kButtonNames.begin(), kButtonNames.end(), name);
    if (found == kButtonNames.end()) return std::nullopt;
    auto button = static_cast<Button>(found - kButtonNames.begin());
    if (button == Button::Command5) {
        if (!args.empty() || name.size() != std::string_view("Command5").size()) return std::nullopt;
        return Message::move({button, 0});
    }
    auto index = smallNumber(args);
    if (!index || *index >= buttonCount(button)) return std::nullopt;
    return Message::move({button, *index});
}

std::optional<Message> parseHello(std::string_view args) {
    if (firstWord(args) != "reikoboy") return std::nullopt;
    auto version = smallNumber(firstWord(args));
    if (!version) return std::nullopt;
    Message m = Message::hello({}, {});
    m.version = *version;
    if (*version != kProtocolVersion) return m;  // refused for its version, whatever follows
    bool named = hasSpace(args);
    std::string_view code = firstWord(args);
    if (!isCode(code) || (named && !isPlayerName(args))) return std::nullopt;
    m.code = code;
    m.text = args;
    return m;
}

std::optional<Message> parseWelcome(std::string_view args) {
    auto version = smallNumber(firstWord(args));
    bool named = hasSpace(args);
    auto colour = colourFromName(firstWord(args));
    if (!version || !colour || (named && !isPlayerName(args))) return std::nullopt;
    Message m = Message::welcome(*colour, std::string(args));
    m.version = *version;
    return m;
}

}  // namespace

Message Message::hello(std::string code, std::string name) {
    Message m;
    m.kind = Kind::Hello;
    m.code = std::move(code);
    m.text = std::move(name);
    return m;
}

Message Message::welcome(int colour, std::string name) {
    Message m;
    m.kind = Kind::Welcome;
    m.colour = colour;
    m.text = std::move(name);
    return m;
}

Message Message::with(Kind kind, std::string text) {
    Message m;
    m.kind = kind;
    m.text = std::move(text);
    return m;
}

Message Message::move(BoardClick click) {
    Message m;
    m.kind = Kind::Move;
    m.click = click;
    return m;
}

std::optional<Message> parseMessage(std::string_view line) {
    std::string_view args = line;
    bool hasArgs = hasSpace(line);
    std::string_view word = firstWord(args);
    auto keyword = std::find_if(kKeywords.begin(), kKeywords.end(), [&](const Keyword& k) { return k.word == word; });
    if (keyword == kKeywords.end()) return std::nullopt;
    switch (keyword->kind) {
    case Kind::Hello:
        return hasArgs ? parseHello(args) : std::nullopt;
    case Kind::Welcome:
        return hasArgs ? parseWelcome(args) : std::nullopt;
    case Kind::Move:
        return hasArgs ? parseMove(args) : std::nullopt;
    case Kind::Refused:
    case Kind::Error:
        if (!hasArgs || !isReasonWord(args)) return std::nullopt;
        return Message::with(keyword->kind, std::string(args));
    case Kind::Ready:
    case Kind::Check:
        if (!hasArgs || !isHash(args)) return std::nullopt;
        return Message::with(keyword->kind, std::string(args));
    case Kind::Chat:
        if (!hasArgs || !isChatText(args)) return std::nullopt;
        return Message::with(keyword->kind, std::string(args));
    default:
        if (hasArgs) return std::nullopt;
        return Message::with(keyword->kind);
    }
}

std::string formatMessage(const Message& m) {
    std::string line(keywordOf(m.kind));
    auto word = [&line](std::string_view w) {
        line += ' ';
        line += w;
    };
    switch (m.kind) {
    case Kind::Hello:
        word("reikoboy");
        word(std::to_string(m.version));
        word(m.code);
        if (!m.text.empty()) word(m.text);
        break;
    case Kind::Welcome:
        word(std::to_string(m.version));
        word(colourName(m.colour));
        if (!m.text.empty()) word(m.text);
        break;
    case Kind::Move:
        word(kButtonNames[static_cast<int>(m.click.button)]);
        if (m.click.button != Button::Command5) word(std::to_string(m.click.index));
        break;
    case Kind::Refused:
    case Kind::Error:
    case Kind::Ready:
    case Kind::Check:
    case Kind::Chat:
        word(m.text);
        break;
    default:
        break;
    }
    return line;
}

bool isPlayerName(std::string_view name) {
    return isValidUtf8(name) && characterCount(name) <= kMaxNameCharacters && !hasControlCharacter(name);
}

bool isChatText(std::string_view text) {
    return isValidUtf8(text) && characterCount(text) <= kMaxChatCharacters &&
           text.find_first_of("\r\n") == std::string_view::npos;
}

bool isCode(std::string_view code) { return code.size() == kCodeDigits && allDigits(code); }

bool isHash(std::string_view hash) {
    return hash.size() == kHashDigits &&
           std::all_of(hash.begin(), hash.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

bool isReasonWord(std::string_view word) {
    return !word.empty() && word.size() <= 64 &&
           std::all_of(word.begin(), word.end(), [](char c) { return c > ' ' && c < 0x7F; });
}

const char* colourName(int colour) { return colour == kRed ? "red" : "blue"; }

std::optional<int> colourFromName(std::string_view name) {
    if (name == "blue") return kBlue;
    if (name == "red") return kRed;
    return std::nullopt;
}

}  // namespace reikoboy::net
