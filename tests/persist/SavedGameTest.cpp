// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The saved-game file: the exact bytes saving writes, reading them back, and refusing
// every file that is not a complete, valid saved game without touching the game.
#include <gtest/gtest.h>

#include <sstream>

#include "GameTestSupport.h"
#include "persist/SavedGame.h"

namespace reikoboy::testing {
namespace {

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "every line ends with CR LF";
    return lines;
}

ReadResult openText(Game& game, const std::string& text) {
    std::istringstream in(text);
    return openSavedGame(game, in);
}

TEST(SavedGameWriting, RightAfterStartUpUnsetValuesAreEmpty) {
    PlayedGame g;
    std::vector<std::string> lines = linesOf(writeSavedGame(g.state()));
    ASSERT_EQ(lines.size(), 212u);
    for (int r = 0; r < kRails; ++r) {
        EXPECT_EQ(lines[2 * r], "56");
        EXPECT_EQ(lines[2 * r + 1], "");
    }
    EXPECT_EQ(lines[12], "0,0,0,,,,,-1");
    for (int r = 0; r < kRails; ++r)
        for (int p = 0; p < kRailPositions; ++p) {
            bool onBoard = p >= 4 && p <= 16;
            EXPECT_EQ(lines[13 + 21 * r + p].empty(), !onBoard) << r << "," << p;
        }
    EXPECT_EQ(lines[139], "176");  // blue chip 0 where the window's design puts it
    EXPECT_EQ(lines[140], "0");
    EXPECT_EQ(lines[141], "#TRUE#");
    EXPECT_EQ(lines[142], "440");
    EXPECT_EQ(lines[145], ",");
    EXPECT_EQ(lines[211], ",");
}

TEST(SavedGameWriting, RightAfterANewGameEverythingIsSet) {
    PlayedGame g;
    g.play("Nova");
    std::vector<std::string> lines = linesOf(writeSavedGame(g.state()));
    ASSERT_EQ(lines.size(), 212u);
    for (int r = 0; r < kRails; ++r) {
        EXPECT_EQ(lines[2 * r], "56");
        EXPECT_EQ(lines[2 * r + 1], "0");
    }
    EXPECT_EQ(lines[12], "0,0,0,0,0,0,0,-1");
    EXPECT_EQ(lines[13], "0");
    EXPECT_EQ(lines[17], "1");
    EXPECT_EQ(lines[139], "168");
    EXPECT_EQ(lines[145], "0,0");
    EXPECT_EQ(lines[211], "0,0");
}

TEST(SavedGameWriting, NumbersNeedNoMoreThanSevenDigits) {
    EXPECT_EQ(formatNumber(56), "56");
    EXPECT_EQ(formatNumber(-64), "-64");
    EXPECT_EQ(formatNumber(56.5f), "56.5");
    EXPECT_EQ(formatNumber(0.1f), "0.1");
    EXPECT_EQ(formatNumber(1234.567f), "1234.567");
    EXPECT_EQ(formatNumber(1.0f / 3), "0.3333333");
    EXPECT_EQ(formatNumber(0.00001f), "1E-05");
}

TEST(SavedGameReading, SaveOpenSaveGivesTheSameBytes) {
    for (const char* moves : {"", "Nova", "Command1 3; Command3 1; Command2 0; Command4 0; Command1 2",
                              "Command2 4; Command1 5; Command5; Command3 5"}) {
        PlayedGame first;
        first.play(moves);
        std::string saved = writeSavedGame(first.state());
        PlayedGame second;
        ASSERT_EQ(openText(second.game, saved), ReadResult::Ok) << moves;
        EXPECT_EQ(writeSavedGame(second.state()), saved) << moves;
        EXPECT_EQ(second.state().Label1.Caption, first.state().turnColour == kBlue
                                                     ? "Ходят синие фишки"
                                                     : "Ходят красные фишки");
        EXPECT_EQ(second.state().freshGame, 1);
        EXPECT_EQ(second.state().Image3Picture, int(first.state().drumPos));
    }
}

TEST(SavedGameReading, OpenedGameGoesOnAsTheSavedOne) {
    PlayedGame played;
    played.play("Command1 3; Command3 1; Command4 1");
    PlayedGame opened;
    ASSERT_EQ(openText(opened.game, writeSavedGame(played.state())), ReadResult::Ok);
    for (const char* more : {"Command2 3", "Command1 1", "Command5"}) {
        played.play(more);
        opened.play(more);
    }
    EXPECT_EQ(writeSavedGame(opened.state()), writeSavedGame(played.state()));
    EXPECT_EQ(opened.state().Label2.Caption, played.state().Label2.Caption);
}

TEST(SavedGameReading, AcceptsWhatTheReaderHasAlwaysAccepted) {
    PlayedGame g;
    g.play("Nova");
    std::string text = writeSavedGame(g.state());
    // Blanks before values, LF-only line ends, quoted numbers, a missing final line end and
    // anything after the last value.
    std::string loose;
    for (char c : text)
        if (c != '\r') loose += c;
    loose.replace(0, 2, "  \"56\"");
    loose += "trailing junk, \x01\x02 anything\n";
    PlayedGame opened;
    EXPECT_EQ(openText(opened.game, loose), ReadResult::Ok);
    EXPECT_EQ(writeSavedGame(opened.state()), text);
}

// A valid file with one line replaced.
std::string withLine(std::string bytes, int lineNumber, const std::string& replacement) {
    size_t start = 0;
    for (int i = 1; i < lineNumber; ++i) start = bytes.find("\r\n", start) + 2;
    size_t end = bytes.find("\r\n", start);
    return bytes.replace(start, end - start, replacement);
}

TEST(SavedGameReading, RefusesBrokenFilesAndLeavesTheGameUntouched) {
    PlayedGame source;
    source.play("Command1 3; Command1 1");
    const std::string valid = writeSavedGame(source.state());
    struct Broken {
        std::string name, text;
        ReadResult why;
    };
    std::vector<Broken> broken = {
        {"empty", "", ReadResult::TooFewValues},
        {"truncated after line 13", valid.substr(0, valid.find("\r\n", 60)), ReadResult::TooFewValues},
        {"243 values", valid.substr(0, valid.rfind(",")), ReadResult::TooFewValues},
        {"a word on line 1", withLine(valid, 1, "Рейкобой"), ReadResult::WrongKind},
        {"text for a Visible", withLine(valid, 142, "maybe"), ReadResult::WrongKind},
        {"truth value for a cell", withLine(valid, 20, "#TRUE#"), ReadResult::OutOfRange},
        {"fraction for a count", withLine(valid, 13, "0,0,0,1.5,0,0,0,-1"), ReadResult::WrongKind},
        {"rail shifted 4", withLine(valid, 2, "4"), ReadResult::OutOfRange},
        {"drum at 3", withLine(valid, 13, "3,0,0,2,0,0,0,-1"), ReadResult::OutOfRange},
        {"turn 2", withLine(valid, 13, "0,0,0,2,0,2,0,-1"), ReadResult::OutOfRange},
        {"nine dropped", withLine(valid, 13, "0,0,0,9,0,0,0,-1"), ReadResult::OutOfRange},
        {"17 out", withLine(valid, 13, "0,0,0,2,0,0,17,-1"), ReadResult::OutOfRange},
        {"last moved 7", withLine(valid, 13, "0,0,0,2,0,0,0,7"), ReadResult::OutOfRange},
        {"negative score", withLine(valid, 13, "0,-10,0,2,0,0,0,-1"), ReadResult::OutOfRange},
        {"cell 2", withLine(valid, 14, "2"), ReadResult::OutOfRange},
        {"out flag 2", withLine(valid, 146, "2,0"), ReadResult::OutOfRange},
        {"falling chip 8", withLine(valid, 196, "8,0"), ReadResult::OutOfRange},
        {"huge position", withLine(valid, 140, "1E+30"), ReadResult::OutOfRange},
        {"chip off the grid", withLine(valid, 140, "900"), ReadResult::OffTheGrid},
        {"chip above the board", withLine(valid, 141, "-200"), ReadResult::OffTheGrid},
        {"binary garbage", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), ReadResult::WrongKind},
    };
    for (const Broken& b : broken) {
        PlayedGame g;
        g.play("Command1 5; Command2 2");
        std::string before = writeSavedGame(g.state());
        GameState stateBefore = g.state();
        EXPECT_EQ(openText(g.game, b.text), b.why) << b.name;
        EXPECT_EQ(writeSavedGame(g.state()), before) << b.name;
        EXPECT_EQ(g.state().Label1.Caption, stateBefore.Label1.Caption) << b.name;
        EXPECT_EQ(g.state().freshGame, 0) << b.name;
        EXPECT_TRUE(g.game.offers(Button::Command1, 3)) << b.name;
    }
}

TEST(SavedGameReading, RefusedOpenDuringASlideLetsTheSlideGoOn) {
    PlayedGame g;
    ASSERT_TRUE(g.game.command2Click(1));
    g.game.timer1Tick();
    EXPECT_NE(openText(g.game, "nonsense"), ReadResult::Ok);
    EXPECT_TRUE(g.state().Timer1.Enabled);
    EXPECT_EQ(g.state().railStep, 1);
}

TEST(SavedGameReading, OpenDuringASlideStopsIt) {
    PlayedGame source;
    std::string saved = writeSavedGame(source.state());
    PlayedGame g;
    ASSERT_TRUE(g.game.command2Click(1));
    g.game.timer1Tick();
    ASSERT_EQ(openText(g.game, saved), ReadResult::Ok);
    EXPECT_FALSE(g.state().animating());
    g.game.timer1Tick();
    EXPECT_EQ(g.state().Image1[1].Left, 56);
}

TEST(SavedGameReading, HostileFilesAreRefusedQuickly) {
    // Nothing but separators reads as 244 unset values; saving never leaves a picture's
    // position empty, so that is a damaged file, and the game stays as it was.
    for (const std::string& text : {std::string(100000, ','), std::string(3 << 20, '\n')}) {
        PlayedGame g;
        g.play("Command1 3");
        EXPECT_EQ(openText(g.game, text), ReadResult::Unreachable);
        EXPECT_EQ(int(g.state().blueDropped), 1);
    }
    std::vector<std::string> hostile = {std::string(10 * 1024 * 1024, '7')};
    std::string garbage(1 << 20, '\0');
    unsigned x = 12345;
    for (char& c : garbage) c = static_cast<char>((x = x * 1103515245 + 12345) >> 16);
    hostile.push_back(garbage);
    for (const std::string& text : hostile) {
        PlayedGame g;
        EXPECT_NE(openText(g.game, text), ReadResult::Ok);
    }
}

}  // namespace
}  // namespace reikoboy::testing
