// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What a screen reader says for the board: each button by the move it makes, each chip by its
// colour and the cell it lies in. Columns are counted 1..13 from the left, rails 1..6 from the
// top, as a player would count them on the screen.
#pragma once

#include <QString>
#include <array>

#include "game/GameState.h"

class QWidget;

namespace reikoboy {

QString dropButtonName(int k);              // Command1(k): "Бросить фишку в столбец 4"
QString railButtonName(int r, bool left);   // Command2(r), Command3(r): "Рейка 3 влево"
QString drumButtonName(int i);              // Command4(i): "Барабан вверх (справа)"
QString chipName(int colour, int column, int level);  // level -1: in the stock, -2: gone

// Keeps the chips' accessible names in step with the board. A name is made only when a chip
// comes to another cell, so an animation tick costs a comparison per chip and no allocation.
class ChipNames {
public:
    void watch(int colour, int index, QWidget* chip) { chips_[colour][index] = chip; }
    void follow(const GameState& state);
    // Names every chip again, in the language the window now speaks.
    void renameAll(const GameState& state);
    int namesMade() const { return namesMade_; }

private:
    std::array<std::array<QWidget*, kChipsPerColour>, 2> chips_{};
    std::array<std::array<int, kChipsPerColour>, 2> named_{};  // the cell each name says; 0: none yet
    int namesMade_ = 0;
};

}  // namespace reikoboy
