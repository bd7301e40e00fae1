// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Taking moves back and playing them again: whole games clicked through the history, checked
// against the saved game of every moment.
#include <random>
#include <sstream>

#include "GameTestSupport.h"
#include "game/History.h"
#include "persist/SavedGame.h"

namespace reikoboy::testing {
namespace {

// What was there at one moment: the saved file, and every game field exactly.
struct Moment {
    std::string saved;
    StateBytes exact;
    explicit Moment(const GameState& s) : saved(writeSavedGame(s)), exact(encodeState(s)) {}
    bool operator==(const Moment&) const = default;
};

struct HistoryGame : PlayedGame {
    History history;

    void click(BoardClick c) {
        ASSERT_TRUE(history.click(game, c));
        game.finishAnimation();
    }
    void clicks(std::initializer_list<BoardClick> list) {
        for (BoardClick c : list) click(c);
    }
    BoardClick randomClick(std::mt19937& random) const {
        std::vector<BoardClick> offered;
        for (Button b : {Button::Command1, Button::Command2, Button::Command3, Button::Command4,
                         Button::Command5})
            for (int i = 0; i < buttonCount(b); ++i)
                if (game.offers(b, i)) offered.push_back({b, i});
        return offered[std::uniform_int_distribution<size_t>(0, offered.size() - 1)(random)];
    }
};

TEST(History, TakesBackAndReplaysEveryClickOfRandomGames) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        HistoryGame g;
        std::mt19937 random(seed);
        std::vector<Moment> moments{Moment(g.state())};
        while (g.host.questions.empty() && moments.size() <= 500) {
            g.click(g.randomClick(random));
            moments.emplace_back(g.state());
            size_t n = moments.size() - 1;
            ASSERT_TRUE(g.history.undo(g.game));
            ASSERT_EQ(Moment(g.state()), moments[n - 1]) << "undo after click " << n;
            ASSERT_TRUE(g.history.redo(g.game));
            g.game.finishAnimation();
            ASSERT_EQ(Moment(g.state()), moments[n]) << "redo of click " << n;
        }
        const size_t last = moments.size() - 1;
        for (size_t k : {size_t(1), size_t(2), size_t(9), last}) {
            for (size_t j = 1; j <= k; ++j) {
                ASSERT_TRUE(g.history.undo(g.game));
                ASSERT_EQ(Moment(g.state()), moments[last - j]) << k << " undone, step " << j;
            }
            for (size_t j = 1; j <= k; ++j) {
                ASSERT_TRUE(g.history.redo(g.game));
                g.game.finishAnimation();
            }
            ASSERT_EQ(Moment(g.state()), moments[last]) << k << " undone and redone";
        }
        // Back to the start: a new game's board, with nothing to save on closing.
        while (g.history.undo(g.game)) {
        }
        EXPECT_EQ(Moment(g.state()), moments[0]);
        EXPECT_EQ(g.state().freshGame, 1);
    }
}

TEST(History, HoldsAWholeGameInLittleMemory) {
    HistoryGame g;
    std::mt19937 random(7);
    for (int n = 0; n < 800; ++n) g.click(g.randomClick(random));  // on past the end
    EXPECT_LT(g.history.bytes(), 1000000u);
    ::testing::Test::RecordProperty("bytesPerClick",
                                    int(g.history.bytes() / g.history.undoCount()));
}

TEST(History, NothingToTakeBackAndANewClickDropsTheRedoList) {
    HistoryGame g;
    Moment start(g.state());
    EXPECT_FALSE(g.history.undo(g.game));
    EXPECT_FALSE(g.history.redo(g.game));
    EXPECT_EQ(Moment(g.state()), start);
    EXPECT_FALSE(g.history.click(g.game, {Button::Command5, 0})) << "no pass before a drop";
    EXPECT_FALSE(g.history.canUndo());

    g.clicks({{Button::Command1, 3}, {Button::Command3, 1}, {Button::Command4, 0}});
    ASSERT_TRUE(g.history.undo(g.game));
    ASSERT_TRUE(g.history.undo(g.game));
    EXPECT_EQ(g.history.nextRedo(), (BoardClick{Button::Command3, 1}));
    g.click({Button::Command1, 1});
    EXPECT_FALSE(g.history.canRedo(g.game));
    EXPECT_FALSE(g.history.redo(g.game));
    EXPECT_EQ(g.history.undoCount(), 2u);
}

TEST(History, GoesBackNoFurtherThanAnOpenedFile) {
    HistoryGame g;
    g.clicks({{Button::Command1, 3}, {Button::Command3, 1}, {Button::Command4, 0}});
    std::istringstream file(writeSavedGame(g.state()));
    ASSERT_EQ(openSavedGame(g.game, file), ReadResult::Ok);
    g.history.clear();
    Moment opened(g.state());
    EXPECT_FALSE(g.history.undo(g.game));

    g.clicks({{Button::Command1, 1}, {Button::Command2, 4}});
    ASSERT_TRUE(g.history.undo(g.game));
    ASSERT_TRUE(g.history.undo(g.game));
    EXPECT_EQ(Moment(g.state()), opened);
    EXPECT_EQ(g.state().freshGame, 1) << "an opened game taken back has nothing to save";
    EXPECT_FALSE(g.history.undo(g.game));
}

TEST(History, UndoStopsAnAnimationAndKeepsTheSoundSwitch) {
    HistoryGame g;
    g.click({Button::Command1, 3});
    Moment beforeShift(g.state());
    ASSERT_TRUE(g.history.click(g.game, {Button::Command3, 1}));
    for (int i = 0; i < 5; ++i) g.game.timer2Tick();
    ASSERT_TRUE(g.state().animating());
    EXPECT_FALSE(g.history.canRedo(g.game));
    g.game.sonClick();

    ASSERT_TRUE(g.history.undo(g.game));
    EXPECT_FALSE(g.state().animating());
    EXPECT_EQ(g.state().soundOff, 1) << "undo does not touch the sound switch";
    g.game.sonClick();
    EXPECT_EQ(Moment(g.state()), beforeShift);

    size_t soundsBefore = g.host.sounds.size();
    ASSERT_TRUE(g.history.redo(g.game));
    EXPECT_TRUE(g.state().animating()) << "redo plays the slide again";
    g.game.finishAnimation();
    EXPECT_GT(g.host.sounds.size(), soundsBefore);
    EXPECT_EQ(chipCount(g.state(), kBlue, 6, 2), 1) << "the chip fell again";
}

TEST(History, TakesBackTheLastChipsAfterTheEndOfTheGame) {
    HistoryGame g;
    g.arrange([](GameState& s) {
        for (int i = 0; i < kChipsPerColour; ++i) {
            s.Image5[i] = s.Image6[i] = {0, 0, false};
            s.blueOut[i] = s.redOut[i] = 1;
        }
        s.blueOut[7] = 0;
        s.blueDropped = s.redDropped = 8;
        s.chipsOut = 15;
        placeChip(s, kBlue, 7, 6, 4);
        s.blueScore = 40;
        s.redScore = 60;
    });
    g.history.clear();
    Moment before(g.state());
    g.click({Button::Command2, 5});
    ASSERT_EQ(g.host.questions.size(), 1u);  // answered no
    ASSERT_EQ(int(g.state().chipsOut), 16);

    ASSERT_TRUE(g.history.undo(g.game));
    EXPECT_EQ(Moment(g.state()), before);
    EXPECT_EQ(chipCount(g.state(), kBlue, 6, 4), 1);
    EXPECT_EQ(g.state().Label2.Caption, "40");
    // Play goes another way: the drum first, so the chip leaves for other points.
    g.clicks({{Button::Command4, 1}, {Button::Command2, 5}});
    EXPECT_EQ(g.host.questions.size(), 2u);
    EXPECT_EQ(g.state().Label2.Caption, "50") << "red's slide, the drum at 1: ten points";
}

TEST(History, AgainstTheComputerGoesBackToTheHumansLastDecision) {
    HistoryGame g;  // blue is the human
    g.click({Button::Command1, 3});
    Moment humanDecides(g.state());
    g.click({Button::Command5, 0});
    g.clicks({{Button::Command1, 1}, {Button::Command3, 0}});  // the computer's turn
    Moment afterReply(g.state());
    ASSERT_EQ(int(g.state().turnColour), kBlue);

    EXPECT_TRUE(g.history.canUndoTo(kRed));
    ASSERT_TRUE(g.history.undoTo(g.game, kBlue));
    EXPECT_EQ(Moment(g.state()), humanDecides);
    EXPECT_EQ(g.history.redoCount(), 3u);

    ASSERT_TRUE(g.history.redo(g.game));  // the human's pass
    // The computer chooses the same reply and replays it rather than dropping the redo list.
    for (BoardClick reply : {BoardClick{Button::Command1, 1}, BoardClick{Button::Command3, 0}}) {
        ASSERT_EQ(g.history.nextRedo(), reply);
        ASSERT_TRUE(g.history.redo(g.game));
        g.game.finishAnimation();
    }
    EXPECT_EQ(Moment(g.state()), afterReply);
}

}  // namespace
}  // namespace reikoboy::testing
