// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "TurnText.h"

#include <vector>

namespace reikoboy::ai {

namespace {

std::string column(const Click& click) { return std::to_string(click.index + kFirstDropColumn + 1); }
std::string rail(const Click& click) { return std::to_string(click.index + 1); }
bool drumUp(const Click& click) { return click.index == 0 || click.index == 2; }

std::string joinedClicks(const Turn& turn, std::string (*word)(const Click&)) {
    std::string text;
    for (const Click& click : turn) {
        if (!text.empty()) text += ", ";
        text += word(click);
    }
    return text;
}

// "a", "a и b", "a, b и c" (`and` is " и " or " and ").
std::string listed(const std::vector<std::string>& parts, const char* and_) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += i + 1 == parts.size() ? and_ : ", ";
        text += parts[i];
    }
    return text;
}

// One language's words for a turn told as done.
struct DoneWords {
    std::string (*click)(const Click&);  // any click but a drop
    std::string (*drops)(const std::vector<std::string>& columns);
    const char* and_;
};

// Drops in a row go together in one phrase; each other click has its own.
std::string turnDone(const Turn& turn, const DoneWords& words) {
    std::vector<std::string> phrases;
    std::vector<std::string> columns;  // of the drops in a row
    auto closeDrops = [&] {
        if (columns.empty()) return;
        phrases.push_back(words.drops(columns));
        columns.clear();
    };
    for (const Click& click : turn) {
        if (click.button == Button::Command1) {
            columns.push_back(column(click));
            continue;
        }
        closeDrops();
        phrases.push_back(words.click(click));
    }
    closeDrops();
    return listed(phrases, words.and_);
}

std::string doneClick(const Click& click) {
    switch (click.button) {
        case Button::Command1: break;
        case Button::Command2: return "сдвинул рейку " + rail(click) + " влево";
        case Button::Command3: return "сдвинул рейку " + rail(click) + " вправо";
        case Button::Command4: return drumUp(click) ? "повернул барабан вверх" : "повернул барабан вниз";
        case Button::Command5: return "передал ход";
    }
    return {};
}

std::string dropsDone(const std::vector<std::string>& columns) {
    return columns.size() == 1 ? "бросил фишку в столбец " + columns.front()
                               : "бросил фишки в столбцы " + listed(columns, " и ");
}

std::string doneClickEnglish(const Click& click) {
    switch (click.button) {
        case Button::Command1: break;
        case Button::Command2: return "shifted rail " + rail(click) + " left";
        case Button::Command3: return "shifted rail " + rail(click) + " right";
        case Button::Command4: return drumUp(click) ? "turned the drum up" : "turned the drum down";
        case Button::Command5: return "passed the turn";
    }
    return {};
}

std::string dropsDoneEnglish(const std::vector<std::string>& columns) {
    return columns.size() == 1 ? "dropped a chip into column " + columns.front()
                               : "dropped chips into columns " + listed(columns, " and ");
}

}  // namespace

std::string describeClick(const Click& click) {
    switch (click.button) {
        case Button::Command1: return "фишка в столбец " + column(click);
        case Button::Command2: return "сдвиг рейки " + rail(click) + " влево";
        case Button::Command3: return "сдвиг рейки " + rail(click) + " вправо";
        case Button::Command4: return drumUp(click) ? "барабан вверх" : "барабан вниз";
        case Button::Command5: return "передача хода";
    }
    return {};
}

std::string describeTurn(const Turn& turn) { return joinedClicks(turn, describeClick); }

std::string describeTurnDone(const Turn& turn) { return turnDone(turn, {doneClick, dropsDone, " и "}); }

std::string describeClickEnglish(const Click& click) {
    switch (click.button) {
        case Button::Command1: return "chip into column " + column(click);
        case Button::Command2: return "rail " + rail(click) + " left";
        case Button::Command3: return "rail " + rail(click) + " right";
        case Button::Command4: return drumUp(click) ? "drum up" : "drum down";
        case Button::Command5: return "pass";
    }
    return {};
}

std::string describeTurnEnglish(const Turn& turn) { return joinedClicks(turn, describeClickEnglish); }

std::string describeTurnDoneEnglish(const Turn& turn) {
    return turnDone(turn, {doneClickEnglish, dropsDoneEnglish, " and "});
}

}  // namespace reikoboy::ai
