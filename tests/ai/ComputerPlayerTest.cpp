// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The computer player through the rules: over thousands of boards met in random games and in
// saved games, every level plays only offered buttons, always passes the turn, and gives the
// same turn for the same game; it takes points on offer, keeps clear of boards that keep
// coming back, and brings its games to an end.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "GameTestSupport.h"
#include "ai/BoardHash.h"
#include "ai/ComputerPlayer.h"
#include "ai/PlayTurn.h"
#include "ai/SilentHost.h"
#include "ai/TurnText.h"
#include "game/History.h"
#include "persist/SavedGame.h"

namespace reikoboy::testing {
namespace {

using ai::Level;

// Boards at rest with a player to move, from games of two players clicking offered buttons
// at random: every stage of a game, from the first drop to the last chips.
std::vector<GameState> randomBoards(int count, unsigned seed) {
    std::vector<GameState> boards;
    std::mt19937 dice(seed);
    ai::SilentHost host;
    Game game(host);
    game.formLoad("", "");
    while (int(boards.size()) < count) {
        if (ai::gameOver(game.state())) game.newGame();
        std::vector<std::pair<Button, int>> offered;
        for (Button b : {Button::Command1, Button::Command2, Button::Command3, Button::Command4, Button::Command5})
            for (int i = 0; i < buttonCount(b); ++i)
                if (game.offers(b, i)) offered.push_back({b, i});
        if (offered.empty()) {
            game.newGame();
            continue;
        }
        auto [button, index] = offered[std::uniform_int_distribution<size_t>(0, offered.size() - 1)(dice)];
        game.click(button, index);
        game.finishAnimation();
        if (game.state().dropInTurn == 0 && !ai::gameOver(game.state()) && dice() % 3 == 0)
            boards.push_back(game.state());
    }
    return boards;
}

// Plays the level's turn on a copy of the board; the turn must be legal and pass.
void expectLegalTurn(const GameState& board, Level level, const std::string& where) {
    SCOPED_TRACE(where);
    ai::Turn turn = ai::chooseTurn(board, level);
    ASSERT_FALSE(turn.empty()) << "no turn on a board with moves";
    ai::SilentHost host;
    Game game(host, board);
    EXPECT_TRUE(ai::playTurn(game, turn)) << ai::describeTurn(turn);
}

TEST(ComputerPlayerTest, EveryLevelPlaysOnlyOfferedButtonsAndPassesTheTurn) {
    std::vector<GameState> boards = randomBoards(1500, 7);
    for (size_t i = 0; i < boards.size(); ++i) {
        expectLegalTurn(boards[i], Level::Novice, "novice, board " + std::to_string(i));
        if (i % 5 == 0) expectLegalTurn(boards[i], Level::Amateur, "amateur, board " + std::to_string(i));
        if (i % 100 == 0) expectLegalTurn(boards[i], Level::Master, "master, board " + std::to_string(i));
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(ComputerPlayerTest, PlaysFromEverySavedGameOfTheCorpus) {
    int opened = 0;
    for (const auto& entry : std::filesystem::directory_iterator(REIKOBOY_FUZZ_CORPUS)) {
        ai::SilentHost host;
        Game game(host);
        game.formLoad("", "");
        std::ifstream in(entry.path(), std::ios::binary);
        if (openSavedGame(game, in) != ReadResult::Ok) continue;
        ++opened;
        game.finishAnimation();
        if (ai::gameOver(game.state())) {
            EXPECT_TRUE(ai::chooseTurn(game.state(), Level::Master).empty());
            continue;
        }
        for (Level level : {Level::Novice, Level::Amateur, Level::Master})
            expectLegalTurn(game.state(), level, entry.path().filename().string());
    }
    EXPECT_GT(opened, 0);
}

TEST(ComputerPlayerTest, TheSameBoardGivesTheSameTurn) {
    std::vector<GameState> boards = randomBoards(30, 11);
    for (const GameState& board : boards) {
        for (Level level : {Level::Novice, Level::Amateur}) {
            GameState copy = board;
            EXPECT_EQ(ai::chooseTurn(board, level), ai::chooseTurn(copy, level));
        }
    }
    EXPECT_EQ(ai::chooseTurn(boards[3], Level::Master), ai::chooseTurn(boards[3], Level::Master));
}

TEST(ComputerPlayerTest, NothingAfterTheEndOrOnceCancelled) {
    PlayedGame game;
    std::atomic<bool> cancel{true};
    EXPECT_TRUE(ai::chooseTurn(game.state(), Level::Master, &cancel).empty());
    game.arrange([](GameState& s) {
        for (int colour : {kBlue, kRed})
            for (int i = 0; i < kChipsPerColour; ++i) s.out(colour)[i] = 1;
        s.blueDropped = kChipsPerColour;
        s.redDropped = kChipsPerColour;
        s.chipsOut = 2 * kChipsPerColour;
        for (int i = 0; i < kChipsPerColour; ++i) s.Image5[i] = s.Image6[i] = {0, 0, false};
    });
    EXPECT_TRUE(ai::gameOver(game.state()));
    EXPECT_TRUE(ai::chooseTurn(game.state(), Level::Novice).empty());
}

// Blue to move with the drum on 20 for the middle columns and each side's last chip on rail 4:
// blue's in column 6 leaves the board when rail 4 or rail 5 slides a cell either way; red's
// in column 3 cannot leave in one move.
void pointsOnOffer(GameState& s) {
    placeChip(s, kBlue, 0, 6, 4);
    placeChip(s, kRed, 0, 3, 4);
    for (int colour : {kBlue, kRed})
        for (int i = 1; i < kChipsPerColour; ++i) {  // everything else is gone
            s.out(colour)[i] = 1;
            s.chips(colour)[i] = {0, 0, false};
        }
    s.blueDropped = kChipsPerColour;
    s.redDropped = kChipsPerColour;
    s.chipsOut = 2 * kChipsPerColour - 2;
    s.turnColour = kBlue;
}

TEST(ComputerPlayerTest, TakesThePointsOnOfferAndSaysWhatItDid) {
    for (Level level : {Level::Novice, Level::Amateur, Level::Master}) {
        PlayedGame game;
        game.arrange(pointsOnOffer);
        ASSERT_EQ(game.state().railCells[6 + kPositionOffset][5], 1);  // held by a solid cell
        ai::Turn turn = ai::chooseTurn(game.state(), level);
        ASSERT_TRUE(ai::playTurn(game.game, turn));
        EXPECT_EQ(int(game.state().blueScore), 20) << ai::describeTurn(turn);
    }
    EXPECT_EQ(ai::describeTurn({{Button::Command1, 2}, {Button::Command3, 2}}),
              "фишка в столбец 6, сдвиг рейки 3 вправо");
    EXPECT_EQ(ai::describeTurn({{Button::Command1, 0}, {Button::Command5, 0}}), "фишка в столбец 4, передача хода");
    EXPECT_EQ(ai::describeTurn({{Button::Command4, 2}}), "барабан вверх");
}

// Plays a game turn by turn between two levels, each given the boards so far, from `game` as it
// is. Every turn must be legal. Returns the turns played; stops after `limit` turns.
int playOut(Game& game, Level blue, Level red, int limit) {
    ai::GameMemory memory;
    int turns = 0;
    for (; turns < limit && !ai::gameOver(game.state()); ++turns) {
        memory.add(game.state());
        ai::Turn turn = ai::chooseTurn(game.state(), game.state().turnColour == kBlue ? blue : red, memory);
        bool legal = ai::playTurn(game, turn);
        EXPECT_TRUE(legal) << "turn " << turns << ": " << ai::describeTurn(turn);
        if (!legal) break;
    }
    return turns;
}

bool dropOffered(const Game& game) {
    for (int k = 0; k < kDropButtons; ++k)
        if (game.offers(Button::Command1, k)) return true;
    return false;
}

// Blue leads by 60 with three chips in stock and every red chip out; the top rail is slid so
// that no drop is on offer. Red can only slide rails against it: blue must open a drop hole
// for itself, drop its chips and bring them out.
TEST(ComputerPlayerTest, ALeaderWithChipsInStockOpensTheTopRailAndFinishes) {
    for (Level level : {Level::Novice, Level::Amateur, Level::Master}) {
        SCOPED_TRACE(int(level));
        PlayedGame slid;
        slid.play("Command3 0; Command3 1; Command3 0");  // the top rail two cells right, the next one
        PlayedGame game;
        game.arrange([&](GameState& s) {
            s.railCells = slid.state().railCells;
            s.railShift = slid.state().railShift;
            s.Image1 = slid.state().Image1;
            for (int i = 0; i < kChipsPerColour; ++i) {
                s.redOut[i] = 1;
                s.Image6[i] = {0, 0, false};
                if (i < 5) {
                    s.blueOut[i] = 1;
                    s.Image5[i] = {0, 0, false};
                }
            }
            s.redDropped = kChipsPerColour;
            s.blueDropped = 5;
            s.chipsOut = kChipsPerColour + 5;
            s.blueScore = 100;
            s.redScore = 40;
            s.turnColour = kBlue;
        });
        ASSERT_FALSE(dropOffered(game.game));
        int turns = playOut(game.game, level, Level::Amateur, 120);
        EXPECT_TRUE(ai::gameOver(game.state())) << "still going after " << turns << " turns";
        EXPECT_GT(int(game.state().blueScore), int(game.state().redScore));
    }
}

// A board the computer's own choice would bring back for the third time: it plays another turn.
// The boards are those of random games with every chip on the board taken out, so that no
// points are at stake and some other turn is as good as the usual one but for the repeat.
TEST(ComputerPlayerTest, ABoardThatCameBackTwiceIsNotPlayedAgain) {
    int tried = 0;
    for (const GameState& board : randomBoards(80, 23)) {
        PlayedGame game;
        game.arrange([&](GameState& s) {
            s = board;
            for (int colour : {kBlue, kRed})
                for (int i = 0; i < s.dropped(colour); ++i)
                    if (s.out(colour)[i] == 0) {
                        s.out(colour)[i] = 1;
                        s.chips(colour)[i] = {0, 0, false};
                        s.chipsOut += 1;
                    }
        });
        const GameState& present = game.state();
        if (ai::gameOver(present)) continue;
        for (Level level : {Level::Novice, Level::Amateur, Level::Master}) {
            ai::GameMemory once;
            once.add(present);
            ai::Turn usual = ai::chooseTurn(present, level, once);
            ai::SilentHost host;
            Game after(host, present);
            ASSERT_TRUE(ai::playTurn(after, usual));
            // Only a turn that changes no count can lead back to a board seen before.
            if (ai::progressCount(after.state()) != ai::progressCount(present)) continue;
            ++tried;
            ai::GameMemory twice;  // both boards came back twice: this is the third time
            for (int round = 0; round < 2; ++round) {
                twice.add(after.state());
                twice.add(present);
            }
            ASSERT_EQ(twice.seen(present), 2);
            ai::Turn other = ai::chooseTurn(present, level, twice);
            Game instead(host, present);
            ASSERT_TRUE(ai::playTurn(instead, other));
            EXPECT_LT(twice.seen(instead.state()), 2) << ai::describeTurn(usual) << " again";
        }
    }
    EXPECT_GT(tried, 20);
}

// The history the window keeps for undo gives the memory every board at the start of a turn,
// oldest first, back to where it began; a board slid away and back is counted twice.
TEST(ComputerPlayerTest, TheUndoHistoryGivesTheBoardsOfTheGame) {
    PlayedGame game;
    History history;
    std::vector<GameState> before;
    for (BoardClick click : {BoardClick{Button::Command1, 1}, BoardClick{Button::Command3, 4},
                             BoardClick{Button::Command3, 2}, BoardClick{Button::Command2, 4},
                             BoardClick{Button::Command2, 2}, BoardClick{Button::Command3, 4}}) {
        before.push_back(game.state());
        ASSERT_TRUE(history.click(game.game, click));
        game.game.finishAnimation();
    }
    std::vector<GameState> kept = history.boards(game.state());
    ASSERT_EQ(kept.size(), before.size());
    for (size_t i = 0; i < kept.size(); ++i) EXPECT_EQ(ai::boardHash(kept[i]), ai::boardHash(before[i])) << i;
    ai::GameMemory memory(kept);
    memory.add(game.state());
    EXPECT_EQ(memory.turns(), 6);  // the drop and the slide after it are one turn
    EXPECT_EQ(memory.seen(before[0]), 1);
    EXPECT_EQ(memory.seen(before[1]), 0);     // in the middle of a turn: not a turn's board
    EXPECT_EQ(memory.seen(game.state()), 2);  // rails 4 and 2 slid there and back
    EXPECT_EQ(memory.quietTurns(), 4);
}

// Two levels play a whole game from the first turn, each remembering the game: it ends.
TEST(ComputerPlayerTest, AGameBetweenTwoLevelsEnds) {
    PlayedGame game;
    int turns = playOut(game.game, Level::Amateur, Level::Novice, 400);
    EXPECT_TRUE(ai::gameOver(game.state())) << "still going after " << turns << " turns";
}

}  // namespace
}  // namespace reikoboy::testing
