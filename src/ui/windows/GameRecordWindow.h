// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// «Запись игры»: a small window beside the board listing every turn of this game in words,
// numbered, with whose it was and what it scored; turns that redo would play again are grey.
#pragma once

#include <QDialog>
#include <vector>

#include "game/TurnRecord.h"

class QListWidget;

namespace reikoboy {

// "12. Красные: фишка в столбец 5, сдвиг рейки 3 вправо — +20"
QString recordLine(int number, const RecordedTurn& turn);

class GameRecordWindow : public QDialog {
    Q_OBJECT
public:
    explicit GameRecordWindow(QWidget* board);

    // Shows the record of this history; cheap when nothing changed since the last call.
    void follow(const History& history, const GameState& now);
    QListWidget* list() const { return list_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void nameThings();  // the title and names, in the language the window speaks
    void showTurns();

    QListWidget* list_ = nullptr;
    std::vector<RecordedTurn> turns_;  // as listed
    // What the list shows, to tell whether anything changed.
    std::vector<History::Step> stepsSeen_;
    std::vector<BoardClick> redoSeen_;
    int blueSeen_ = -1, redSeen_ = -1;
};

}  // namespace reikoboy
