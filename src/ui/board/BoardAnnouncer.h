// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What a screen reader hears of the board beyond its buttons and chips: the scores with their
// colours, each rail's shift and holes, the drum's points per column, and after every move
// whose turn it is with both scores, without the focus having to go looking for them.
#pragma once

#include <QPointer>
#include <QString>
#include <array>

#include "game/GameState.h"

class QWidget;

namespace reikoboy {

QString scoreName(int colour, int score);           // "Синие: 20"
QString railName(const GameState& state, int r);    // its number, shift and holes under the board
QString drumName(int drumPos);                      // its position and the points of each column
QString turnSummary(const GameState& state);        // "Ходят красные фишки. Синие: 20, Красные: 60."

class BoardAnnouncer {
public:
    BoardAnnouncer(QWidget* turn, QWidget* blueScore, QWidget* redScore, std::array<QWidget*, kRails> rails,
                   QWidget* drum);

    // Renames what changed since the last call; a tick that moves nothing named costs no allocation.
    void follow(const GameState& state);
    // Names everything again, in the language the window now speaks.
    void renameAll(const GameState& state);
    // A move has come to rest: `speaker`, the control that has or is about to get the focus,
    // carries the turn and the scores in its description until the next move, after what the
    // move scored ("Синие +20.").
    void moveSettled(QWidget* speaker);
    // A board button was pressed: what the move scores is counted from here.
    void moveStarts() { settledScores_ = scores_; }
    // Something the player did not see happen under their own hands (the computer's turn, the
    // hint, a move taken back or replayed, a message): said first by the control that speaks
    // the summary, or by `focus` when none does yet, until the next move settles. A screen
    // reader speaks a description that changes on the focused control.
    void tell(const QString& sentence, QWidget* focus);

private:
    QString scoresSaid() const;
    void speak();  // the summary on the control that speaks it

    QWidget* turn_;
    QWidget* blueScore_;
    QWidget* redScore_;
    std::array<QWidget*, kRails> rails_;
    QWidget* drum_;
    std::array<int, 2> scores_{-1, -1};
    std::array<long, kRails> railKeys_{};
    int drumKey_ = -1;
    int turnKey_ = -1;
    QString summary_;
    QString news_;        // told since the last move settled
    QString scoreNews_;   // what the last move scored
    std::array<int, 2> settledScores_{0, 0};  // the scores when the last move began
    QPointer<QWidget> described_;  // the control now speaking the summary
    QString itsOwnDescription_;     // what it said before
};

}  // namespace reikoboy
