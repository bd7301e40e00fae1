// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "TurnText.h"

namespace reikoboy::ai {

std::string describeClick(const Click& click) {
    switch (click.button) {
        case Button::Command1:
            return "фишка в столбец " + std::to_string(click.index + kFirstDropColumn + 1);
        case Button::Command2: return "сдвиг рейки " + std::to_string(click.index + 1) + " влево";
        case Button::Command3: return "сдвиг рейки " + std::to_string(click.index + 1) + " вправо";
        case Button::Command4:
            return click.index == 0 || click.index == 2 ? "барабан вверх" : "барабан вниз";
        case Button::Command5: return "передача хода";
    }
    return {};
}

std::string describeTurn(const Turn& turn) {
    std::string text;
    for (const Click& click : turn) {
        if (!text.empty()) text += ", ";
        text += describeClick(click);
    }
    return text;
}

}  // namespace reikoboy::ai
