// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A saved game opens only when it shows a board the game could have saved, at rest or in the
// middle of an animation; and every file the game saves, whatever was played before, opens.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <utility>

#include "GameTestSupport.h"
#include "persist/SavedGame.h"

namespace reikoboy::testing {
namespace {

ReadResult reopen(const std::string& text) {
    PlayedGame g;
    std::istringstream in(text);
    return openSavedGame(g.game, in);
}

std::vector<std::pair<Button, int>> offeredMoves(const Game& game) {
    std::vector<std::pair<Button, int>> moves;
    for (Button b : {Button::Command1, Button::Command2, Button::Command3, Button::Command4, Button::Command5})
        for (int i = 0; i < buttonCount(b); ++i)
            if (game.offers(b, i)) moves.emplace_back(b, i);
    return moves;
}

void tick(Game& game) {
    if (game.state().Timer1.Enabled)
        game.timer1Tick();
    else if (game.state().Timer2.Enabled)
        game.timer2Tick();
    else
        game.timer3Tick();
}

// Plays random legal moves; whatever the game holds after each click and each tick is saved
// and must open again. Returns the number of saves checked.
int playCheckingEverySave(PlayedGame& g, unsigned seed, int moves, const std::string& where) {
    std::mt19937 random(seed);
    g.host.answer = seed % 2 == 0;  // a finished game is sometimes started anew, sometimes not
    int checked = 0;
    auto check = [&](const char* when) {
        std::string saved = writeSavedGame(g.state());
        ReadResult result = reopen(saved);
        ++checked;
        if (result != ReadResult::Ok) {
            ADD_FAILURE() << where << ", seed " << seed << ", " << when << ": the game refuses its own save\n"
                          << saved;
            return false;
        }
        return true;
    };
    for (int m = 0; m < moves; ++m) {
        auto offered = offeredMoves(g.game);
        if (offered.empty()) break;
        auto [button, index] = offered[random() % offered.size()];
        g.game.click(button, index);
        if (!check("after a click")) return checked;
        for (int ticks = 0; g.state().animating() && ticks < 10000; ++ticks) {
            tick(g.game);
            if (!check("after a tick")) return checked;
        }
    }
    return checked;
}

TEST(SavedGameCheck, EverySaveOfRandomGamesOpensAtRestAndMidAnimation) {
    int checked = 0;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        PlayedGame g;
        if (seed % 3 == 0) g.play("Nova");  // also from the bare start-up board
        checked += playCheckingEverySave(g, seed, 250, "a random game");
    }
    EXPECT_GT(checked, 10000);
}

TEST(SavedGameCheck, PlayFromEveryAcceptedCorpusFileNeverSavesWhatItRefuses) {
    int accepted = 0;
    for (const auto& entry : std::filesystem::directory_iterator(REIKOBOY_FUZZ_CORPUS)) {
        std::ifstream file(entry.path(), std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        for (unsigned seed = 1; seed <= 4; ++seed) {
            PlayedGame g;
            std::istringstream in(text.str());
            if (openSavedGame(g.game, in) != ReadResult::Ok) break;
            if (seed == 1) ++accepted;
            playCheckingEverySave(g, seed, 300, entry.path().filename().string());
        }
    }
    EXPECT_GE(accepted, 4);
}

TEST(SavedGameCheck, AGameSavedMidAnimationOpensAndSettlesAsTheGameWouldHave) {
    int resumed = 0;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        PlayedGame g;
        g.play("Nova");
        std::mt19937 random(seed);
        for (int m = 0; m < 120; ++m) {
            auto offered = offeredMoves(g.game);
            if (offered.empty()) break;
            auto [button, index] = offered[random() % offered.size()];
            g.game.click(button, index);
            std::vector<std::string> midway;
            for (int ticks = 0; g.state().animating(); ++ticks) {
                // Not the instant a fall step begins: the chips are still in their cells, so
                // the file is a board at rest, and they fall with the next rail shift.
                bool fallBegins = g.state().Timer3.Enabled && g.state().fallStep == 0;
                if (ticks % 3 == 0 && !fallBegins) midway.push_back(writeSavedGame(g.state()));
                tick(g.game);
            }
            const std::string settled = writeSavedGame(g.state());
            const auto offeredAfter = offeredMoves(g.game);
            for (const std::string& saved : midway) {
                PlayedGame opened;
                std::istringstream in(saved);
                ASSERT_EQ(openSavedGame(opened.game, in), ReadResult::Ok) << saved;
                EXPECT_TRUE(opened.state().animating()) << "it goes on from the file";
                EXPECT_TRUE(offeredMoves(opened.game).empty()) << "no move while the board moves";
                opened.game.finishAnimation();
                ASSERT_EQ(writeSavedGame(opened.state()), settled) << "seed " << seed << ", move " << m;
                EXPECT_EQ(offeredMoves(opened.game), offeredAfter);
                ++resumed;
            }
        }
    }
    EXPECT_GT(resumed, 300);
}

// A board reached by play, with chips on the board and chips of both colours gone.
GameState playedBoard() {
    for (unsigned seed = 1;; ++seed) {
        PlayedGame g;
        g.play("Nova");
        std::mt19937 random(seed);
        for (int m = 0; m < 200; ++m) {
            auto offered = offeredMoves(g.game);
            auto [button, index] = offered[random() % offered.size()];
            g.game.click(button, index);
            g.game.finishAnimation();
            const GameState& s = g.state();
            int onBoard = s.blueDropped + s.redDropped - s.chipsOut;
            bool bothGone = s.blueOut[0] == 1 && s.redOut[0] == 1;
            if (bothGone && onBoard >= 3 && s.blueDropped < 8 && !s.Command5.Visible) return s;
        }
    }
}

int firstOnBoard(const GameState& s, int colour) {
    for (int i = 0; i < s.dropped(colour); ++i)
        if (s.out(colour)[i] == 0) return i;
    return -1;
}

TEST(SavedGameCheck, BoardsNoPlayCanReachAreRefusedAsBrokenFiles) {
    const GameState board = playedBoard();
    ASSERT_EQ(reopen(writeSavedGame(board)), ReadResult::Ok);
    const int blue = firstOnBoard(board, kBlue);
    ASSERT_GE(blue, 0);
    const ChipPicture chip = board.Image5[blue];
    const int level = levelOf(chip);
    auto solidCellFree = [&](const GameState& s) {
        for (int c = 0; c < kColumns; ++c)
            if (s.railCells[c + kPositionOffset][level] == 1) return c;
        return -1;
    };

    using Edit = std::function<void(GameState&)>;
    const std::vector<std::pair<std::string, Edit>> unreachable = {
        {"(a) chipsOut one more than the out flags", [](GameState& s) { s.chipsOut += 1; }},
        {"(a) chipsOut 16 with chips still to play", [](GameState& s) { s.chipsOut = 16; }},
        {"(b) a chip on the board flagged out",
         [&](GameState& s) {
             s.blueOut[blue] = 1;
             s.chipsOut += 1;
         }},
        {"(b) a chip still in the stock flagged out",
         [](GameState& s) {
             s.blueOut[s.blueDropped] = 1;
             s.Image5[s.blueDropped] = {0, 0, false};
             s.chipsOut += 1;
         }},
        {"(b) a gone chip still shown", [](GameState& s) { s.Image5[0].Visible = true; }},
        {"(b) a gone chip away from (0, 0)", [](GameState& s) { s.Image6[0].Left = 64; }},
        {"a chip on the board hidden", [&](GameState& s) { s.Image5[blue].Visible = false; }},
        {"(c) two chips in one cell",
         [&](GameState& s) {
             int other = firstOnBoard(s, kRed) >= 0 ? firstOnBoard(s, kRed) : -1;
             if (other >= 0) s.Image6[other] = s.Image5[blue];
             else s.Image5[blue + 1 < s.blueDropped ? blue + 1 : blue] = s.Image5[blue];
         }},
        {"(c) a chip resting on the bottom rail", [&](GameState& s) { s.Image5[blue].Top = chipTopAt(5); }},
        {"a chip inside a solid cell",
         [&](GameState& s) { s.Image5[blue].Left = chipLeftAt(solidCellFree(s)); }},
        {"(d) a solid cell beyond a rail's end", [](GameState& s) { s.railCells[0][2] = 1; }},
        {"(d) a cell of the pattern changed",
         [](GameState& s) { s.railCells[8 + s.railShift[0]][0] = 1 - s.railCells[8 + s.railShift[0]][0]; }},
        {"(d) a rail's shift without its cells moved",
         [](GameState& s) {
             int r = 5;
             s.railShift[r] = s.railShift[r] == 3 ? 2 : s.railShift[r] + 1;
             s.Image1[r].Left = railLeftAt(s.railShift[r]);
         }},
        {"(e) a rail picture more than a cell from its place",
         [](GameState& s) { s.Image1[5].Left = railLeftAt(s.railShift[5]) + 44; }},
        {"(e) a rail Left of 32764", [](GameState& s) { s.Image1[5].Left = 32764; }},
        {"(e) two rails sliding at once",
         [](GameState& s) {
             s.Image1[5].Left += 8;
             s.Image1[4].Left += 8;
             for (int i = 0; i < 8; ++i)
                 for (int colour : {kBlue, kRed})
                     if (i < s.dropped(colour) && s.out(colour)[i] == 0 && levelOf(s.chips(colour)[i]) == 4)
                         s.chips(colour)[i].Left += 8;
         }},
        {"(f) a score not a multiple of 10", [](GameState& s) { s.blueScore += 5; }},
        {"(f) more points than the chips gone can earn",
         [](GameState& s) { s.redScore = 50 * (s.chipsOut + 1); }},
        {"(f) a score of 32767", [](GameState& s) { s.blueScore = 32767; }},
        {"(g) a rail between the animation's steps", [](GameState& s) { s.Image1[5].Left += 2; }},
        {"(g) a chip between the animation's steps", [&](GameState& s) { s.Image5[blue].Top += 2; }},
        {"(g) a chip at a fraction of a pixel", [&](GameState& s) { s.Image5[blue].Left += 0.5f; }},
        {"a chip falling onto a solid cell",
         [&](GameState& s) {
             for (int c = 0; c < kColumns; ++c)
                 if (s.railCells[c + kPositionOffset][0] == 0 && s.railCells[c + kPositionOffset][1] == 1 &&
                     s.blueAt[c][0] == -1 && s.redAt[c][0] == -1) {
                     s.Image5[blue] = {chipLeftAt(c), chipTopAt(0) + 8, true};
                     return;
                 }
         }},
        {"chips falling out of step",
         [&](GameState& s) {
             s.Image5[blue].Top += 4;
             int red = firstOnBoard(s, kRed);
             s.Image6[red].Top += 8;
         }},
    };
    for (const auto& [name, edit] : unreachable) {
        GameState s = board;
        edit(s);
        PlayedGame g;
        g.play("Command1 3");
        const std::string before = writeSavedGame(g.state());
        std::istringstream in(writeSavedGame(s));
        EXPECT_EQ(openSavedGame(g.game, in), ReadResult::Unreachable) << name;
        EXPECT_EQ(writeSavedGame(g.state()), before) << name << ": the game is untouched";
    }

    // (h) Saving always writes a picture's position and visibility.
    std::string text = writeSavedGame(board);
    EXPECT_EQ(reopen("\r\n" + text.substr(text.find("\r\n") + 2)), ReadResult::Unreachable)
        << "an empty rail position";
    size_t visible = text.find("#TRUE#");
    EXPECT_EQ(reopen(text.substr(0, visible) + text.substr(visible + 6)), ReadResult::Unreachable)
        << "an empty visibility";

    // Still a board the game can hold: a rail caught in the middle of its slide, or at the
    // instant between its click and its first tick, one cell from its place.
    for (float offset : {-40.0f, -12.0f, 4.0f, 40.0f}) {
        GameState s = board;
        s.Image1[5].Left = railLeftAt(s.railShift[5]) + offset;
        EXPECT_EQ(reopen(writeSavedGame(s)), ReadResult::Ok) << offset;
    }
}

}  // namespace
}  // namespace reikoboy::testing
