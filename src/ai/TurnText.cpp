// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "TurnText.h"

#include <vector>

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

namespace {

// "a", "a и b", "a, b и c"
std::string listed(const std::vector<std::string>& parts) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += i + 1 == parts.size() ? " и " : ", ";
        text += parts[i];
    }
    return text;
}

std::string doneClick(const Click& click) {
    switch (click.button) {
        case Button::Command1: break;
        case Button::Command2: return "сдвинул рейку " + std::to_string(click.index + 1) + " влево";
        case Button::Command3: return "сдвинул рейку " + std::to_string(click.index + 1) + " вправо";
        case Button::Command4:
            return click.index == 0 || click.index == 2 ? "повернул барабан вверх" : "повернул барабан вниз";
        case Button::Command5: return "передал ход";
    }
    return {};
}

}  // namespace

std::string describeTurnDone(const Turn& turn) {
    std::vector<std::string> phrases;
    std::vector<std::string> columns;  // of the drops in a row
    auto closeDrops = [&] {
        if (columns.empty()) return;
        phrases.push_back(columns.size() == 1 ? "бросил фишку в столбец " + columns.front()
                                              : "бросил фишки в столбцы " + listed(columns));
        columns.clear();
    };
    for (const Click& click : turn) {
        if (click.button == Button::Command1) {
            columns.push_back(std::to_string(click.index + kFirstDropColumn + 1));
            continue;
        }
        closeDrops();
        phrases.push_back(doneClick(click));
    }
    closeDrops();
    return listed(phrases);
}

}  // namespace reikoboy::ai
