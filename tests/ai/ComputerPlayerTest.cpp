// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The computer player through the rules: over thousands of boards met in random games and in
// saved games, every level plays only offered buttons, always passes the turn, and gives the
// same turn for the same board; it takes points on offer and keeps them from the other side.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "GameTestSupport.h"
#include "ai/ComputerPlayer.h"
#include "ai/PlayTurn.h"
#include "ai/SilentHost.h"
#include "ai/TurnText.h"
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

}  // namespace
}  // namespace reikoboy::testing
