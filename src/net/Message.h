// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The messages of the network protocol (docs/network-protocol.md), one per line: reading a
// line into a message, strictly, and writing a message as its line (without the LF).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/History.h"

namespace reikoboy::net {

inline constexpr int kProtocolVersion = 1;
inline constexpr std::size_t kMaxNameCharacters = 32;
inline constexpr std::size_t kMaxChatCharacters = 500;
inline constexpr std::size_t kCodeDigits = 6;
inline constexpr std::size_t kHashDigits = 64;
inline constexpr int kSavedGameLines = 212;
inline constexpr unsigned short kDefaultPort = 47323;

// The one-word reasons this program sends with ERROR and REFUSED.
namespace reason {
inline constexpr const char* kTooLong = "too-long";
inline constexpr const char* kBadUtf8 = "bad-utf8";
inline constexpr const char* kUnknown = "unknown";        // no message of the protocol
inline constexpr const char* kUnexpected = "unexpected";  // not allowed at that moment
inline constexpr const char* kFlood = "flood";
inline constexpr const char* kTimeout = "timeout";        // no HELLO within 10 s
inline constexpr const char* kBadGame = "bad-game";
inline constexpr const char* kNotOffered = "not-offered";
inline constexpr const char* kDesync = "desync";
inline constexpr const char* kCode = "code";
inline constexpr const char* kBusy = "busy";
inline constexpr const char* kVersion = "version";
}  // namespace reason

struct Message {
    enum class Kind { Hello, Welcome, Refused, Game, End, Ready, Move, Check, Chat, Again, Ping, Pong, Bye, Error };
    Kind kind = Kind::Ping;
    int version = kProtocolVersion;  // HELLO, WELCOME
    std::string code;                // HELLO: six digits
    int colour = 0;                  // WELCOME: the joiner's, kBlue or kRed
    // HELLO, WELCOME: the name; REFUSED, ERROR: the reason; READY, CHECK: the hash; CHAT: the text.
    std::string text;
    BoardClick click;  // MOVE

    static Message hello(std::string code, std::string name);
    static Message welcome(int colour, std::string name);
    static Message with(Kind kind, std::string text = {});
    static Message move(BoardClick click);
};

// The message a line holds, or nothing when it is no message of the protocol. A HELLO of
// another version is read as far as its version, so that it can be refused for it.
std::optional<Message> parseMessage(std::string_view line);

std::string formatMessage(const Message& message);

// Checks of the words that come from a player or a peer.
bool isPlayerName(std::string_view name);
bool isChatText(std::string_view text);
bool isCode(std::string_view code);
bool isHash(std::string_view hash);
bool isReasonWord(std::string_view word);

// "blue" or "red", and back.
const char* colourName(int colour);
std::optional<int> colourFromName(std::string_view name);

}  // namespace reikoboy::net
