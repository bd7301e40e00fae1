// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Rail slides and the chips that fall after them, tick by tick.
#include "GameTestSupport.h"

namespace reikoboy::testing {
namespace {

void tick10(Game& game, void (Game::*tick)()) {
    for (int i = 0; i < kTicksPerCell; ++i) (game.*tick)();
}

TEST(RailShift, LeftShiftMovesCellsAndPicture) {
    PlayedGame g;
    g.play("Nova");
    Value before4 = g.state().railCells[4][0];
    g.play("Command2 0");
    const GameState& s = g.state();
    EXPECT_EQ(int(s.railShift[0]), -1);
    EXPECT_EQ(s.Image1[0].Left, 16);
    EXPECT_TRUE(sameValue(s.railCells[3][0], before4));
    EXPECT_EQ(int(s.railCells[16][0]), 0);  // column 12 is off the rail now: a hole
    EXPECT_EQ(int(s.lastMoved), 0);
    EXPECT_EQ(s.railStep, 0);
    EXPECT_FALSE(s.Timer1.Enabled || s.Timer2.Enabled);
}

TEST(RailShift, LeftThenRightRestoresTheRailExactly) {
    PlayedGame g;  // straight after start-up, so the slack cells are still unset
    auto before = g.state().railCells;
    g.play("Command2 4; Command4 1; Command3 4");
    for (int p = 0; p < kRailPositions; ++p)
        EXPECT_TRUE(sameValue(g.state().railCells[p][4], before[p][4])) << "position " << p;
    // The unset slack cell was moved along, not replaced by a set 0.
    EXPECT_FALSE(g.state().railCells[20][4].isSet());
}

TEST(RailShift, TakesTenTicksAndCarriesTheChipsInItsHoles) {
    PlayedGame g;
    g.play("Command1 3; Command5");                         // blue chip at column 6, level 0
    ASSERT_TRUE(g.game.command3Click(0));                   // red slides rail 0 right
    EXPECT_TRUE(g.state().Timer2.Enabled);
    for (int i = 1; i < kTicksPerCell; ++i) {
        g.game.timer2Tick();
        EXPECT_EQ(g.state().Image1[0].Left, 56 + 4 * i);
        EXPECT_EQ(g.state().Image5[0].Left, 304 + 4 * i);
    }
    g.game.timer2Tick();
    EXPECT_FALSE(g.state().Timer2.Enabled);
    // Column 7 of rail 1 is a hole and rail 2 is solid there: the chip falls one level.
    g.game.finishAnimation();
    EXPECT_EQ(g.state().blueAt[7][1], 0);
    EXPECT_EQ(g.state().Image5[0].Left, 344);
    EXPECT_EQ(g.state().Image5[0].Top, 137);
}

TEST(Falls, ChipFallsLevelByLevelUntilItRests) {
    PlayedGame g;
    g.play("Command1 3");
    ASSERT_TRUE(g.game.command3Click(1));  // a hole of rail 1 comes under column 6
    tick10(g.game, &Game::timer2Tick);
    ASSERT_TRUE(g.state().Timer3.Enabled);
    for (int i = 1; i <= kTicksPerCell; ++i) {
        g.game.timer3Tick();
        if (i < kTicksPerCell) {
            EXPECT_EQ(g.state().Image5[0].Top, 97 + 4 * i);
        }
    }
    EXPECT_EQ(g.state().Image5[0].Top, 137);
    EXPECT_TRUE(g.state().Timer3.Enabled) << "rail 2 has a hole at column 6 too";
    tick10(g.game, &Game::timer3Tick);
    EXPECT_EQ(g.state().Image5[0].Top, 177);
    EXPECT_FALSE(g.state().Timer3.Enabled) << "rail 3 is solid at column 6";
    EXPECT_EQ(g.state().Label1.Caption, "Ходят красные фишки");
    EXPECT_FALSE(g.state().Command1[3].Visible);  // rail 1 no longer holds a chip there
}

TEST(Falls, NothingOverAHoleEndsAtOnce) {
    PlayedGame g;
    ASSERT_TRUE(g.game.command2Click(5));
    tick10(g.game, &Game::timer1Tick);
    EXPECT_FALSE(g.state().animating());
    EXPECT_TRUE(g.state().Command2[0].Visible);
}

TEST(Falls, AStackMovesDownOneStepBehindTheChipBelow) {
    PlayedGame g;
    g.arrange([](GameState& s) {
        s.railCells[10][1] = 0;  // a hole in rail 1 at column 6, so three chips stack there
        placeChip(s, kBlue, 0, 6, 2);
        placeChip(s, kRed, 0, 6, 1);
        placeChip(s, kBlue, 1, 6, 0);
    });
    ASSERT_TRUE(g.game.command2Click(3));  // rail 3 opens a hole under the stack
    tick10(g.game, &Game::timer1Tick);
    auto levels = [&] {
        return std::vector<float>{g.state().Image5[0].Top, g.state().Image6[0].Top,
                                  g.state().Image5[1].Top};
    };
    tick10(g.game, &Game::timer3Tick);
    EXPECT_EQ(levels(), (std::vector<float>{217, 137, 97}));
    tick10(g.game, &Game::timer3Tick);
    EXPECT_EQ(levels(), (std::vector<float>{257, 177, 97}));
    tick10(g.game, &Game::timer3Tick);
    EXPECT_EQ(levels(), (std::vector<float>{257, 217, 137}));
    tick10(g.game, &Game::timer3Tick);
    EXPECT_EQ(levels(), (std::vector<float>{257, 217, 177}));
    EXPECT_FALSE(g.state().animating());
}

TEST(Falls, AChipOverAnOccupiedHoleStays) {
    PlayedGame g;
    g.arrange([](GameState& s) {
        placeChip(s, kRed, 0, 6, 2);
        s.railCells[10][1] = 0;
        placeChip(s, kBlue, 0, 6, 1);  // held by the red chip below, not by the rail
    });
    g.play("Command2 0");  // any slide makes the board look for falling chips
    EXPECT_EQ(g.state().blueAt[6][1], 0);
    EXPECT_EQ(g.state().redAt[6][2], 0);
}

TEST(Falls, ChipLeavingTheBoardScoresForItsOwnColour) {
    PlayedGame g;
    g.arrange([](GameState& s) {
        placeChip(s, kBlue, 0, 6, 4);
        s.turnColour = kRed;  // red makes the move that lets blue's chip go
    });
    g.host.sounds.clear();
    ASSERT_TRUE(g.game.command2Click(5));
    tick10(g.game, &Game::timer1Tick);
    tick10(g.game, &Game::timer3Tick);
    const GameState& s = g.state();
    EXPECT_FALSE(s.animating()) << "it leaves in one step";
    EXPECT_EQ(int(s.blueScore), 20);
    EXPECT_EQ(s.Label2.Caption, "20");
    EXPECT_EQ(int(s.chipsOut), 1);
    EXPECT_EQ(int(s.blueOut[0]), 1);
    EXPECT_FALSE(s.Image5[0].Visible);
    EXPECT_EQ(s.Image5[0].Left, 0);
    EXPECT_EQ(s.Image5[0].Top, 0);
    EXPECT_EQ(g.host.sounds, (std::vector<int>{3, 1}));
}

TEST(Falls, TwoChipsLeavingInOneStepAreBothScored) {
    PlayedGame g;
    g.arrange([](GameState& s) {
        s.drumPos = 2;
        s.railCells[12][4] = 0;  // a hole in rail 4 at column 8
        placeChip(s, kBlue, 0, 6, 4);
        placeChip(s, kRed, 0, 8, 4);
    });
    g.host.sounds.clear();
    g.play("Command3 5");  // holes of rail 5 come under columns 6 and 8
    EXPECT_EQ(int(g.state().blueScore), 0);   // column 6 with the drum at 2
    EXPECT_EQ(int(g.state().redScore), 50);   // column 8 with the drum at 2
    EXPECT_EQ(int(g.state().chipsOut), 2);
    EXPECT_EQ(g.host.sounds, (std::vector<int>{3, 1, 1}));
}

TEST(Points, TableFollowsColumnAndDrum) {
    const int expected[kDrumPositions][kColumns] = {
        {0, 0, 0, 10, 10, 20, 20, 20, 10, 10, 0, 0, 0},
        {0, 0, 0, 20, 20, 10, 10, 10, 20, 20, 0, 0, 0},
        {0, 0, 0, 50, 50, 0, 0, 0, 50, 50, 0, 0, 0},
    };
    for (int d = 0; d < kDrumPositions; ++d)
        for (int c = 0; c < kColumns; ++c) EXPECT_EQ(pointsFor(c, d), expected[d][c]) << d << c;
}

}  // namespace
}  // namespace reikoboy::testing
