// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A turn in words in both languages: the English sentence about the computer's turn reads as
// English, drops in a row go together, and the Russian words (the replay tool's output too)
// stay as they were.
#include <gtest/gtest.h>

#include "ai/TurnText.h"

namespace reikoboy::testing {
namespace {

using ai::Turn;

const Turn kTwoDropsAndDrum{{Button::Command1, 1}, {Button::Command1, 5}, {Button::Command4, 0}};
const Turn kThreeDropsAndRail{{Button::Command1, 0}, {Button::Command1, 3}, {Button::Command1, 6}, {Button::Command2, 4}};

TEST(TurnTextEnglishTest, TheComputersTurnIsOneEnglishSentence) {
    EXPECT_EQ(ai::describeTurnDoneEnglish(kTwoDropsAndDrum),
              "dropped chips into columns 5 and 9 and turned the drum up");
    EXPECT_EQ(ai::describeTurnDoneEnglish(kThreeDropsAndRail),
              "dropped chips into columns 4, 7 and 10 and shifted rail 5 left");
    EXPECT_EQ(ai::describeTurnDoneEnglish({{Button::Command1, 2}, {Button::Command5, 0}}),
              "dropped a chip into column 6 and passed the turn");
    EXPECT_EQ(ai::describeTurnDoneEnglish({{Button::Command3, 2}}), "shifted rail 3 right");
    EXPECT_EQ(ai::describeTurnDoneEnglish({{Button::Command4, 3}}), "turned the drum down");
    // The last turn of a game may end on its drops.
    EXPECT_EQ(ai::describeTurnDoneEnglish({{Button::Command1, 6}}), "dropped a chip into column 10");
}

TEST(TurnTextEnglishTest, TheHintAndTheRecordNameEachClick) {
    EXPECT_EQ(ai::describeTurnEnglish(kTwoDropsAndDrum), "chip into column 5, chip into column 9, drum up");
    EXPECT_EQ(ai::describeTurnEnglish({{Button::Command1, 0}, {Button::Command3, 5}}), "chip into column 4, rail 6 right");
    EXPECT_EQ(ai::describeClickEnglish({Button::Command2, 0}), "rail 1 left");
    EXPECT_EQ(ai::describeClickEnglish({Button::Command4, 1}), "drum down");
    EXPECT_EQ(ai::describeClickEnglish({Button::Command5, 0}), "pass");
}

TEST(TurnTextEnglishTest, TheRussianWordsStayAsTheyWere) {
    EXPECT_EQ(ai::describeTurnDone(kTwoDropsAndDrum), "бросил фишки в столбцы 5 и 9 и повернул барабан вверх");
    EXPECT_EQ(ai::describeTurnDone(kThreeDropsAndRail), "бросил фишки в столбцы 4, 7 и 10 и сдвинул рейку 5 влево");
    EXPECT_EQ(ai::describeTurnDone({{Button::Command1, 2}, {Button::Command5, 0}}),
              "бросил фишку в столбец 6 и передал ход");
    EXPECT_EQ(ai::describeTurn({{Button::Command1, 2}, {Button::Command3, 2}, {Button::Command4, 3}}),
              "фишка в столбец 6, сдвиг рейки 3 вправо, барабан вниз");
}

}  // namespace
}  // namespace reikoboy::testing
