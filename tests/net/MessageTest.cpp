// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Every message of the protocol is read back as it was written, and anything else — an
// unknown word, a wrong argument, two spaces, a name too long — is no message at all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/Board.h"
#include "net/Message.h"

using namespace reikoboy;
using namespace reikoboy::net;
using Kind = Message::Kind;

namespace {

const std::string kHash(64, 'a');

}  // namespace

TEST(Message, EveryMessageReadsBackAsWritten) {
    const std::vector<std::string> lines{
        "HELLO reikoboy 1 012345 Вася Пупкин",
        "HELLO reikoboy 1 999999",
        "WELCOME 1 red Хозяин",
        "WELCOME 1 blue",
        "REFUSED code",
        "REFUSED busy",
        "REFUSED version",
        "GAME",
        "END",
        "READY " + kHash,
        "MOVE Command1 4",
        "MOVE Command2 5",
        "MOVE Command3 0",
        "MOVE Command4 3",
        "MOVE Command5",
        "CHECK 0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef",
        "CHAT Привет! <b>не разметка</b>",
        "AGAIN",
        "PING",
        "PONG",
        "BYE",
        "ERROR not-offered",
    };
    for (const std::string& line : lines) {
        auto message = parseMessage(line);
        ASSERT_TRUE(message) << line;
        EXPECT_EQ(formatMessage(*message), line);
    }
    auto hello = parseMessage("HELLO reikoboy 1 012345 Вася Пупкин");
    EXPECT_EQ(hello->code, "012345");
    EXPECT_EQ(hello->text, "Вася Пупкин");
    auto welcome = parseMessage("WELCOME 1 red Хозяин");
    EXPECT_EQ(welcome->colour, kRed);
    auto move = parseMessage("MOVE Command1 4");
    EXPECT_EQ(move->click, (BoardClick{Button::Command1, 4}));
}

TEST(Message, HelloOfAnotherVersionIsReadForItsVersionOnly) {
    auto hello = parseMessage("HELLO reikoboy 2 whatever comes after");
    ASSERT_TRUE(hello);
    EXPECT_EQ(hello->kind, Kind::Hello);
    EXPECT_EQ(hello->version, 2);
    EXPECT_EQ(parseMessage("HELLO reikoboy 1 123456 ")->text, "");  // an empty name after its space
}

TEST(Message, AnythingElseIsNoMessage) {
    const std::vector<std::string> lines{
        "", " ", "PING ", " PING", "ping", "PING PONG", "FOO", "HELLO", "HELLO reikoboy",
        "HELLO other 1 123456 x", "HELLO reikoboy 1 12345 x", "HELLO reikoboy 1 1234567 x",
        "HELLO reikoboy 01 123456 x", "HELLO reikoboy 1 12345a x",
        "HELLO reikoboy 1 123456 " + std::string(33, 'n'),
        "HELLO reikoboy 1 123456 tab\there", "HELLO reikoboy 1 123456 \xc2\x85",
        "WELCOME 1 green x", "WELCOME blue", "REFUSED", "REFUSED two words", "ERROR",
        "READY " + std::string(63, 'a'), "READY " + std::string(64, 'A'), "READY " + kHash + " ",
        "CHECK", "MOVE", "MOVE Command1", "MOVE Command1 7", "MOVE Command1 04", "MOVE Command1 -1",
        "MOVE Command2 6", "MOVE Command4 4", "MOVE Command5 0", "MOVE Command6 0", "MOVE  Command1 1",
        "MOVE Command1  1", "MOVE Nova", "CHAT", "CHAT " + std::string(501, 'c'), "GAME now", "END END",
    };
    for (const std::string& line : lines) EXPECT_FALSE(parseMessage(line)) << line;
}

TEST(Message, NamesAndChatAreCountedInCharactersNotBytes) {
    std::string name;
    for (int i = 0; i < 32; ++i) name += "Ж";
    EXPECT_TRUE(isPlayerName(name));
    EXPECT_FALSE(isPlayerName(name + "Ж"));
    std::string chat;
    for (int i = 0; i < 500; ++i) chat += "ё";
    EXPECT_TRUE(parseMessage("CHAT " + chat));
    EXPECT_FALSE(parseMessage("CHAT " + chat + "ё"));
    EXPECT_FALSE(isChatText("two\nlines"));
}
