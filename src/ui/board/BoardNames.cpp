// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/board/BoardNames.h"

#include <QCoreApplication>
#include <QWidget>
#include <cmath>

namespace reikoboy {

namespace {

constexpr int kInStock = -1;
constexpr int kGone = -2;

// One number per place a chip can be in, never 0 (0 means "not named yet").
int placeKey(int column, int level) { return level < 0 ? level : 1 + column * kLevels + level; }

}  // namespace

QString dropButtonName(int k) {
    return QCoreApplication::translate("BoardNames", "Бросить фишку в столбец %1").arg(k + kFirstDropColumn + 1);
}

QString railButtonName(int r, bool left) {
    QString name = left ? QCoreApplication::translate("BoardNames", "Рейка %1 влево")
                        : QCoreApplication::translate("BoardNames", "Рейка %1 вправо");
    return name.arg(r + 1);
}

QString drumButtonName(int i) {
    // Buttons 0 and 1 stand to the right of the drum, 2 and 3 to its left.
    switch (i) {
        case 0: return QCoreApplication::translate("BoardNames", "Барабан вверх (справа)");
        case 1: return QCoreApplication::translate("BoardNames", "Барабан вниз (справа)");
        case 2: return QCoreApplication::translate("BoardNames", "Барабан вверх (слева)");
        default: return QCoreApplication::translate("BoardNames", "Барабан вниз (слева)");
    }
}

QString chipName(int colour, int column, int level) {
    const bool blue = colour == kBlue;
    if (level == kInStock)
        return blue ? QCoreApplication::translate("BoardNames", "Синяя фишка в запасе")
                    : QCoreApplication::translate("BoardNames", "Красная фишка в запасе");
    if (level == kGone)
        return blue ? QCoreApplication::translate("BoardNames", "Синяя фишка ушла с поля")
                    : QCoreApplication::translate("BoardNames", "Красная фишка ушла с поля");
    QString name = blue ? QCoreApplication::translate("BoardNames", "Синяя фишка, столбец %1, рейка %2")
                        : QCoreApplication::translate("BoardNames", "Красная фишка, столбец %1, рейка %2");
    return name.arg(column + 1).arg(level + 1);
}

void ChipNames::renameAll(const GameState& state) {
    named_ = {};
    follow(state);
}

void ChipNames::follow(const GameState& state) {
    for (int colour : {kBlue, kRed}) {
        for (int i = 0; i < kChipsPerColour; ++i) {
            QWidget* chip = chips_[colour][i];
            if (!chip) continue;
            const ChipPicture& picture = state.chips(colour)[i];
            int column = 0, level = kInStock;
            if (state.out(colour)[i] == 1) {
                level = kGone;
            } else if (picture.Top >= float(kChipTop0)) {
                // The nearest cell: a chip on its way is named once it is closer to the next one.
                column = int(std::lround((picture.Left - float(kChipLeft0)) / float(kCell)));
                level = int(std::lround((picture.Top - float(kChipTop0)) / float(kCell)));
            }
            int key = placeKey(column, level);
            if (named_[colour][i] == key) continue;
            named_[colour][i] = key;
            ++namesMade_;
            chip->setAccessibleName(chipName(colour, column, level));
        }
    }
}

}  // namespace reikoboy
