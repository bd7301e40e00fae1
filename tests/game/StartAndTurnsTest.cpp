// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Start-up, a new game, and how the board buttons follow the turn rules.
#include "GameTestSupport.h"

namespace reikoboy::testing {
namespace {

std::vector<int> shownDropButtons(const GameState& s) {
    std::vector<int> shown;
    for (int k = 0; k < kDropButtons; ++k)
        if (s.Command1[k].Visible) shown.push_back(k);
    return shown;
}

void expectAllRailAndDrumButtonsOffered(const GameState& s) {
    for (int r = 0; r < kRails; ++r) {
        EXPECT_TRUE(s.Command2[r].Visible && s.Command2[r].Enabled) << "rail " << r;
        EXPECT_TRUE(s.Command3[r].Visible && s.Command3[r].Enabled) << "rail " << r;
    }
    for (const auto& b : s.Command4) EXPECT_TRUE(b.Visible && b.Enabled);
}

TEST(StartUp, FirstRunShowsBlueToMoveWithTheDesignTexts) {
    PlayedGame g;
    const GameState& s = g.state();
    EXPECT_EQ(s.Label1.Caption, "Ходят синии фишки");
    EXPECT_EQ(s.Label1.ForeColor, kPureBlue);
    EXPECT_EQ(s.Label2.Caption, "0");
    EXPECT_EQ(s.Label3.Caption, "0");
    EXPECT_EQ(s.Label3.ForeColor, kDarkRed);
    EXPECT_EQ(shownDropButtons(s), (std::vector<int>{1, 3, 5}));
    expectAllRailAndDrumButtonsOffered(s);
    EXPECT_FALSE(s.Command5.Visible);
    EXPECT_TRUE(s.SonChecked);
    EXPECT_EQ(s.freshGame, 1);
    EXPECT_EQ(s.Image5[0].Left, 176);
    EXPECT_EQ(s.Image5[7].Left, 8);
    EXPECT_EQ(s.Image6[0].Left, 440);
    EXPECT_EQ(s.Image6[7].Left, 608);
    EXPECT_FALSE(s.animating());
}

TEST(StartUp, RailsUnpackFromTheStartPattern) {
    PlayedGame g;
    const char* rails[kRails] = {"1111010101111", "1101101011011", "1110110110111",
                                 "1011101011101", "1110110110111", "1011101011101"};
    for (int r = 0; r < kRails; ++r) {
        for (int c = 0; c < kColumns; ++c)
            EXPECT_EQ(int(g.state().railCells[c + 4][r]), rails[r][c] - '0') << r << "," << c;
        // The slack beyond the board is never set before the first new game.
        EXPECT_FALSE(g.state().railCells[0][r].isSet());
        EXPECT_FALSE(g.state().railCells[20][r].isSet());
    }
    EXPECT_EQ(g.state().patternPos, 78);
}

TEST(StartUp, StoredSoundSettingDecidesTheCheckMark) {
    for (auto [stored, checked] : std::vector<std::pair<std::string, bool>>{
             {"", true}, {"0", true}, {"1", false}, {"abc", true}, {"7", false}, {" 1 ", false}, {"1.5e0", false}}) {
        RecordingHost host;
        Game game(host);
        game.formLoad("/pictures/wood.ris", stored);
        EXPECT_EQ(game.state().SonChecked, checked) << "stored \"" << stored << "\"";
        EXPECT_EQ(game.state().bgFile, "/pictures/wood.ris");
    }
}

TEST(NewGame, PutsEverythingBackAfterAPlayedGame) {
    PlayedGame g;
    g.play("Command1 3; Command3 1; Command2 0; Command4 1");
    g.play("Nova");
    const GameState& s = g.state();
    for (int r = 0; r < kRails; ++r) {
        EXPECT_EQ(s.Image1[r].Left, 56);
        EXPECT_EQ(int(s.railShift[r]), 0);
        for (int p : {0, 1, 2, 3, 17, 18, 19, 20}) {
            EXPECT_TRUE(s.railCells[p][r].isSet());
            EXPECT_EQ(int(s.railCells[p][r]), 0);
        }
    }
    for (int i = 0; i < kChipsPerColour; ++i) {
        EXPECT_EQ(s.Image5[i].Left, 168 - 24 * i);  // a new game lines blue up 8 px further left
        EXPECT_EQ(s.Image6[i].Left, 440 + 24 * i);
        EXPECT_EQ(s.Image5[i].Top, 0);
        EXPECT_TRUE(s.Image5[i].Visible && s.Image6[i].Visible);
    }
    EXPECT_EQ(s.Label1.Caption, "Ходят синие фишки");
    EXPECT_EQ(int(s.turnColour), kBlue);
    EXPECT_EQ(int(s.drumPos), 0);
    EXPECT_EQ(s.Image3Picture, 0);
    EXPECT_EQ(int(s.lastMoved), -1);
    EXPECT_EQ(s.freshGame, 1);
    expectAllRailAndDrumButtonsOffered(s);
}

TEST(NewGame, AfterADropLeavesThePassButtonToBlue) {
    PlayedGame g;
    g.play("Command1 1; Command5; Command1 3; Nova");
    EXPECT_EQ(g.state().dropInTurn, 1);
    EXPECT_TRUE(g.state().Command5.Visible);
    g.play("Command5");  // blue may pass at once in the new game
    EXPECT_EQ(g.state().Label1.Caption, "Ходят красные фишки");
}

TEST(NewGame, StopsARunningRailSlide) {
    PlayedGame g;
    ASSERT_TRUE(g.game.command2Click(2));
    g.game.timer1Tick();
    g.game.timer1Tick();
    g.game.newGame();
    EXPECT_FALSE(g.state().animating());
    g.game.timer1Tick();  // a tick already on its way changes nothing
    EXPECT_EQ(g.state().Image1[2].Left, 56);
    EXPECT_EQ(g.state().railStep, 0);
    expectAllRailAndDrumButtonsOffered(g.state());
}

TEST(Turns, DropKeepsTheTurnAndShowsThePassButton) {
    PlayedGame g;
    g.play("Command1 3");
    const GameState& s = g.state();
    EXPECT_EQ(s.Image5[0].Left, 304);
    EXPECT_EQ(s.Image5[0].Top, 97);
    EXPECT_EQ(s.blueAt[6][0], 0);
    EXPECT_EQ(shownDropButtons(s), (std::vector<int>{1, 5}));
    EXPECT_TRUE(s.Command5.Visible);
    EXPECT_EQ(s.Label1.Caption, "Ходят синии фишки");  // the turn has not passed yet
    EXPECT_EQ(s.freshGame, 0);
    g.play("Command1 1");
    EXPECT_EQ(g.host.sounds, (std::vector<int>{0, 0}));
    EXPECT_EQ(g.state().Image5[1].Left, 224);
}

TEST(Turns, PassHandsTheTurnOverAndKeepsTheBar) {
    PlayedGame g;
    g.play("Command4 1; Command1 3; Command5");
    const GameState& s = g.state();
    EXPECT_EQ(s.Label1.Caption, "Ходят синие фишки");
    EXPECT_EQ(s.Label1.ForeColor, kPureBlue);
    EXPECT_FALSE(s.Command5.Visible);
    EXPECT_EQ(int(s.lastMoved), 6);  // passing is no board move: the drum stays barred
    for (const auto& b : s.Command4) EXPECT_TRUE(b.Visible && !b.Enabled);
    EXPECT_EQ(shownDropButtons(s), (std::vector<int>{1, 5}));
}

TEST(Turns, ShiftPassesTheTurnAtOnceAndBarsThatRail) {
    PlayedGame g;
    g.play("Command1 1");
    ASSERT_TRUE(g.game.command2Click(2));
    const GameState& moving = g.state();
    EXPECT_EQ(moving.Label1.Caption, "Ходят красные фишки");
    EXPECT_EQ(moving.Label1.ForeColor, kPureRed);
    EXPECT_FALSE(moving.Command5.Visible);
    EXPECT_FALSE(g.game.offers(Button::Command1, 3));  // nothing is offered while it moves
    EXPECT_FALSE(g.game.offers(Button::Command4, 0));
    g.game.finishAnimation();
    const GameState& s = g.state();
    for (int r = 0; r < kRails; ++r) {
        bool barred = r == 2;
        EXPECT_TRUE(s.Command2[r].Visible);
        EXPECT_EQ(s.Command2[r].Enabled, !barred) << r;
        EXPECT_EQ(s.Command3[r].Enabled, !barred) << r;
    }
    for (const auto& b : s.Command4) EXPECT_TRUE(b.Visible && b.Enabled);
    g.play("Command4 0");  // another board move lifts the bar on rail 2
    EXPECT_TRUE(g.state().Command2[2].Enabled);
}

TEST(Turns, ARailStopsThreeCellsFromHome) {
    PlayedGame g;
    g.play("Command2 0; Command2 1; Command2 0; Command2 1; Command2 0; Command4 1");
    const GameState& s = g.state();
    EXPECT_EQ(int(s.railShift[0]), -3);
    EXPECT_EQ(s.Image1[0].Left, -64);
    EXPECT_FALSE(s.Command2[0].Visible);
    EXPECT_TRUE(s.Command3[0].Visible && s.Command3[0].Enabled);
    EXPECT_FALSE(g.game.click(Button::Command2, 0));
}

TEST(Turns, AChipAtTheEdgeHoldsItsRail) {
    PlayedGame g;
    g.arrange([](GameState& s) { placeChip(s, kBlue, 0, 11, 3); });
    g.play("Command3 3; Command4 1");
    EXPECT_EQ(g.state().blueAt[12][3], 0);
    EXPECT_FALSE(g.state().Command3[3].Visible);  // it would carry the chip off the board
    EXPECT_TRUE(g.state().Command2[3].Visible);
}

TEST(Turns, EightDropsLeaveNoDropButton) {
    PlayedGame g;
    g.arrange([](GameState& s) {
        for (int i = 0; i < 7; ++i) {
            s.Image5[i] = {0, 0, false};
            s.blueOut[i] = 1;
        }
        s.blueDropped = 7;
        s.chipsOut = 7;
    });
    g.play("Command1 3");
    const GameState& s = g.state();
    EXPECT_TRUE(shownDropButtons(s).empty());
    EXPECT_TRUE(s.Command5.Visible);  // the turn of the last drop may still pass
    expectAllRailAndDrumButtonsOffered(s);
}

TEST(Turns, AButtonNotOfferedChangesNothing) {
    PlayedGame g;
    g.play("Command1 3; Command2 2");
    GameState before = g.state();
    EXPECT_FALSE(g.game.command1Click(0));   // hidden
    EXPECT_FALSE(g.game.command2Click(2));   // shown but barred
    EXPECT_FALSE(g.game.command5Click());    // no drop in this turn
    EXPECT_FALSE(g.game.command4Click(4));   // no such button
    EXPECT_FALSE(g.game.command1Click(-1));
    EXPECT_EQ(g.state().Label1.Caption, before.Label1.Caption);
    EXPECT_EQ(int(g.state().redDropped), int(before.redDropped));
    EXPECT_EQ(g.host.sounds.size(), 2u);
}

TEST(Drum, TurnsBothWaysAndWraps) {
    PlayedGame g;
    g.play("Command4 0");
    EXPECT_EQ(int(g.state().drumPos), 2);
    EXPECT_EQ(g.state().Image3Picture, 2);
    g.play("Command2 0; Command4 2; Command2 1; Command4 2");
    EXPECT_EQ(int(g.state().drumPos), 0);
    g.play("Command2 2; Command4 3");
    EXPECT_EQ(int(g.state().drumPos), 1);
    EXPECT_EQ(g.state().Image3Picture, 1);
    EXPECT_EQ(g.host.sounds.back(), 2);
}

TEST(Drum, TurnAfterADropEndsTheTurnWithoutMovingChips) {
    PlayedGame g;
    g.play("Command1 3; Command4 1");
    const GameState& s = g.state();
    EXPECT_FALSE(s.Command5.Visible);
    EXPECT_EQ(s.Label1.Caption, "Ходят красные фишки");
    EXPECT_EQ(s.Image5[0].Top, 97);
    EXPECT_FALSE(s.animating());
}

}  // namespace
}  // namespace reikoboy::testing
