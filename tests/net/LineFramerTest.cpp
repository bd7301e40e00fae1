// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Lines as the network delivers them: in pieces of any size, CRLF or LF, up to 4096 bytes,
// UTF-8 only; hostile bytes end the connection without costing more than a line of memory.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "net/LineFramer.h"
#include "net/Utf8.h"

using namespace reikoboy::net;

namespace {

std::vector<std::string> allLines(LineFramer& framer) {
    std::vector<std::string> lines;
    std::string line;
    while (framer.next(line)) lines.push_back(line);
    return lines;
}

}  // namespace

TEST(LineFramer, SameLinesWhateverPiecesTheBytesComeIn) {
    const std::string bytes = "HELLO reikoboy 1 123456 Вася\r\nPING\nCHAT a\rb\r\n\nPONG\n";
    const std::vector<std::string> expected{"HELLO reikoboy 1 123456 Вася", "PING", "CHAT a\rb", "", "PONG"};
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        LineFramer framer;
        std::vector<std::string> lines;
        for (std::size_t at = 0; at < bytes.size();) {
            std::size_t piece = std::min<std::size_t>(bytes.size() - at, 1 + random() % 5);
            framer.feed(std::string_view(bytes).substr(at, piece));
            at += piece;
            for (auto& line : allLines(framer)) lines.push_back(line);
        }
        EXPECT_EQ(lines, expected);
        EXPECT_EQ(framer.fault(), LineFramer::Fault::None);
        EXPECT_EQ(framer.buffered(), 0u);
    }
}

TEST(LineFramer, LineOfExactly4096BytesWithItsLfIsTakenOneMoreIsNot) {
    LineFramer framer;
    framer.feed(std::string(4095, 'a') + "\n");
    ASSERT_EQ(allLines(framer).size(), 1u);
    framer.feed(std::string(4094, 'a') + "\r\n");
    ASSERT_EQ(allLines(framer).size(), 1u);  // the CR counts among the 4096 bytes
    EXPECT_EQ(framer.fault(), LineFramer::Fault::None);

    framer.feed("PING\n" + std::string(4096, 'a') + "\n");
    EXPECT_EQ(allLines(framer), std::vector<std::string>{"PING"});  // the line before it still counts
    EXPECT_EQ(framer.fault(), LineFramer::Fault::TooLong);
}

TEST(LineFramer, EndlessLineIsRefusedAsSoonAsItCannotEndInTime) {
    LineFramer framer;
    for (int i = 0; i < 1000 && framer.fault() == LineFramer::Fault::None; ++i) framer.feed(std::string(100, 'x'));
    EXPECT_EQ(framer.fault(), LineFramer::Fault::TooLong);
    EXPECT_LE(framer.buffered(), 4200u);
    framer.feed(std::string(100000, 'x'));  // ignored once refused
    EXPECT_LE(framer.buffered(), 4200u);
}

TEST(LineFramer, BytesThatAreNotUtf8AreRefused) {
    const std::vector<std::string> bad{
        "\xff",                  // never in UTF-8
        "\xc0\xaf",              // overlong "/"
        "\xe0\x80\xaf",          // overlong, three bytes
        "\xed\xa0\x80",          // a surrogate
        "\xf4\x90\x80\x80",      // past U+10FFFF
        "\xd0",                  // cut short
        "\xd0\x41",              // not continued
        "\x80",                  // a continuation byte first
    };
    for (const std::string& b : bad) {
        LineFramer framer;
        framer.feed("PING\nCHAT " + b + "\nPONG\n");
        EXPECT_EQ(allLines(framer), std::vector<std::string>{"PING"}) << testing::PrintToString(b);
        EXPECT_EQ(framer.fault(), LineFramer::Fault::BadUtf8);
        EXPECT_FALSE(isValidUtf8(b));
    }
    EXPECT_TRUE(isValidUtf8("Рейкобой \xf0\x9f\x8e\xb2 \xef\xbf\xbf"));
    EXPECT_EQ(characterCount("Рейкобой"), 8u);
}

TEST(LineFramer, RandomBytesNeverCrashOrHoldMoreThanALine) {
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        LineFramer framer;
        for (int piece = 0; piece < 50; ++piece) {
            std::string bytes(random() % 300, '\0');
            for (char& c : bytes) c = static_cast<char>(random() % 4 == 0 ? '\n' : random());
            framer.feed(bytes);
            for (const std::string& line : allLines(framer)) EXPECT_TRUE(isValidUtf8(line));
            EXPECT_LE(framer.buffered(), kMaxLineBytes + 300);
        }
    }
}
