// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The sixteenth chip leaving the board: the result, the question and what each answer does.
#include "GameTestSupport.h"

namespace reikoboy::testing {
namespace {

// Fifteen chips have left; blue's last chip waits at column 6, level 4, and a left slide of
// rail 5 lets it go for 20 points (the drum at 0).
void arrangeLastChip(PlayedGame& g, int blueBefore, int redBefore) {
    g.arrange([&](GameState& s) {
        for (int i = 0; i < kChipsPerColour; ++i) {
            s.Image5[i] = {0, 0, false};
            s.Image6[i] = {0, 0, false};
            s.blueOut[i] = 1;
            s.redOut[i] = 1;
        }
        s.blueOut[7] = 0;
        s.blueDropped = 8;
        s.redDropped = 8;
        s.chipsOut = 15;
        placeChip(s, kBlue, 7, 6, 4);
        s.blueScore = blueBefore;
        s.redScore = redBefore;
    });
}

struct Ending {
    int blueBefore, redBefore;
    const char* headline;
};

class EndOfGame : public ::testing::TestWithParam<Ending> {};

TEST_P(EndOfGame, AsksWithTheResultAndKeepsTheBoardOnNo) {
    PlayedGame g;
    arrangeLastChip(g, GetParam().blueBefore, GetParam().redBefore);
    g.play("Command2 5");
    ASSERT_EQ(g.host.questions.size(), 1u);
    EXPECT_EQ(g.host.questions[0],
              std::string("Поздравляю! ") + GetParam().headline + "\n\rХотите сыграть ещё?");
    EXPECT_FALSE(g.host.timer3RunningWhileAsked);
    const GameState& s = g.state();
    EXPECT_EQ(int(s.chipsOut), 16);
    EXPECT_EQ(s.Label2.Caption, std::to_string(GetParam().blueBefore + 20));
    EXPECT_FALSE(s.animating());
    // The game is over, but rails and drum may still be moved; the question does not return.
    EXPECT_TRUE(g.game.offers(Button::Command4, 0));
    g.play("Command4 0; Command2 4");
    EXPECT_EQ(g.host.questions.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Results, EndOfGame,
                         ::testing::Values(Ending{50, 60, "Выиграли синие фишки!"},
                                           Ending{10, 70, "Выиграли красные фишки!"},
                                           Ending{40, 60, "Ничья!"}),
                         [](const ::testing::TestParamInfo<Ending>& info) {
                             return std::string(info.index == 0   ? "BlueWins"
                                                : info.index == 1 ? "RedWins"
                                                                  : "Draw");
                         });

TEST(EndOfGameAnswer, YesStartsANewGameAtOnce) {
    PlayedGame g;
    g.host.answer = true;
    arrangeLastChip(g, 0, 0);
    g.play("Command2 5");
    const GameState& s = g.state();
    EXPECT_EQ(int(s.chipsOut), 0);
    EXPECT_EQ(s.Label2.Caption, "0");
    EXPECT_EQ(s.Label1.Caption, "Ходят синие фишки");
    EXPECT_EQ(int(s.turnColour), kBlue);
    EXPECT_TRUE(s.Image5[7].Visible);
    EXPECT_FALSE(s.animating());
    EXPECT_TRUE(s.Command1[1].Visible);
}

TEST(EndOfGameAnswer, ATickDuringTheQuestionChangesNothing) {
    // A host that delivers stray ticks while its question is open, as a real event loop may.
    struct TickingHost : RecordingHost {
        Game* playing = nullptr;
        bool askEndOfGame(const std::string& text) override {
            for (int i = 0; i < 25; ++i) playing->timer3Tick();
            return RecordingHost::askEndOfGame(text);
        }
    };
    TickingHost host;
    Game game(host);
    host.playing = &game;
    game.formLoad("", "");
    PlayedGame arranged;
    arrangeLastChip(arranged, 0, 0);
    ASSERT_TRUE(game.open([&](GameState& s) {
        s = arranged.state();
        return true;
    }));
    ASSERT_TRUE(game.command2Click(5));
    game.finishAnimation();
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(int(game.state().chipsOut), 16);
    EXPECT_EQ(game.state().Image5[7].Top, 0) << "the gone chip was moved by a stray tick";
    EXPECT_FALSE(game.state().animating());
}

}  // namespace
}  // namespace reikoboy::testing
