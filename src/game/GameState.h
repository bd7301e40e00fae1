// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Everything one game is made of: the game variables and the control properties that carry
// state (rail and chip positions, the drum picture, the labels, the board buttons, the timers),
// under the names the program has always given them. Plain data; the rules live in Game.
#pragma once

#include <array>
#include <string>

#include "Board.h"
#include "Value.h"

namespace reikoboy {

struct RailPicture {
    float Left = float(kRailHomeLeft);
};

struct ChipPicture {
    float Left = 0;
    float Top = 0;
    bool Visible = true;
};

struct BoardButton {
    bool Visible = true;
    bool Enabled = true;
};

struct TextLabel {
    std::string Caption;
    unsigned ForeColor = kPureBlue;  // 0x00BBGGRR
};

struct AnimationTimer {
    bool Enabled = false;
};

inline constexpr const char* kTurnBlueDesign = "Ходят синии фишки";
inline constexpr const char* kTurnBlue = "Ходят синие фишки";
inline constexpr const char* kTurnRed = "Ходят красные фишки";

struct GameState {
    // --- game variables ---
    std::string railPattern;
    int patternPos = 0;
    std::array<std::array<Value, kRails>, kRailPositions> railCells{};  // railCells[p][r]
    std::array<Value, kRails> railShift{};
    Value drumPos;
    Value lastMoved;
    Value turnColour;
    int dropInTurn = 0;
    Value blueDropped;
    Value redDropped;
    std::array<Value, kChipsPerColour> blueOut{};
    std::array<Value, kChipsPerColour> redOut{};
    Value chipsOut;
    Value blueScore;
    Value redScore;
    std::array<std::array<int, kLevels>, kColumns> blueAt{};  // blueAt[c][l], -1 = none
    std::array<std::array<int, kLevels>, kColumns> redAt{};
    std::array<Value, kFallSlots> blueFalling{};
    std::array<Value, kFallSlots> redFalling{};
    int blueFallCount = 0;
    int redFallCount = 0;
    int fallStep = 0;
    int movingRail = 0;
    int railStep = 0;
    std::string resultText;
    int freshGame = 0;
    int soundOff = 0;
    std::string bgFile;

    // --- control properties that carry state ---
    std::array<RailPicture, kRails> Image1{};
    std::array<ChipPicture, kChipsPerColour> Image5{};  // blue chips
    std::array<ChipPicture, kChipsPerColour> Image6{};  // red chips
    int Image3Picture = 0;                              // which drum position Image3 shows
    TextLabel Label1{kTurnBlueDesign, kPureBlue};
    TextLabel Label2{"0", kPureBlue};
    TextLabel Label3{"0", kDarkRed};
    std::array<BoardButton, kDropButtons> Command1{};
    std::array<BoardButton, kRails> Command2{};
    std::array<BoardButton, kRails> Command3{};
    std::array<BoardButton, kDrumButtons> Command4{};
    BoardButton Command5{false, true};
    AnimationTimer Timer1;  // rail slides left
    AnimationTimer Timer2;  // rail slides right
    AnimationTimer Timer3;  // chips fall
    bool SonChecked = false;  // the sound menu item's check mark

    GameState();

    // The chip pictures and counters of one colour, so that rules can be written once.
    std::array<ChipPicture, kChipsPerColour>& chips(int colour) { return colour == kBlue ? Image5 : Image6; }
    const std::array<ChipPicture, kChipsPerColour>& chips(int colour) const {
        return colour == kBlue ? Image5 : Image6;
    }
    Value& dropped(int colour) { return colour == kBlue ? blueDropped : redDropped; }
    Value dropped(int colour) const { return colour == kBlue ? blueDropped : redDropped; }
    std::array<Value, kChipsPerColour>& out(int colour) { return colour == kBlue ? blueOut : redOut; }
    const std::array<Value, kChipsPerColour>& out(int colour) const {
        return colour == kBlue ? blueOut : redOut;
    }
    std::array<std::array<int, kLevels>, kColumns>& at(int colour) { return colour == kBlue ? blueAt : redAt; }
    const std::array<std::array<int, kLevels>, kColumns>& at(int colour) const {
        return colour == kBlue ? blueAt : redAt;
    }
    Value& score(int colour) { return colour == kBlue ? blueScore : redScore; }
    std::array<Value, kFallSlots>& falling(int colour) { return colour == kBlue ? blueFalling : redFalling; }
    int& fallCount(int colour) { return colour == kBlue ? blueFallCount : redFallCount; }

    bool animating() const { return Timer1.Enabled || Timer2.Enabled || Timer3.Enabled; }
};

// The cell a chip picture stands in: positions are rounded to whole pixels (halves to even),
// then divided by the cell size, truncating towards zero.
int columnOf(const ChipPicture& chip);
int levelOf(const ChipPicture& chip);

}  // namespace reikoboy
