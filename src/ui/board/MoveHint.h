// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The hint: the whole turn the strongest level would play for the side to move. Each of its
// buttons in order blinks between its normal and pressed faces for a moment, and the status
// bar names the turn; nothing is played.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

#include "ui/seats/TurnThinker.h"

class QAbstractButton;

namespace reikoboy {

class MoveHint : public QObject {
public:
    static constexpr int kBlinkMilliseconds = 250;
    static constexpr int kBlinks = 8;  // about two seconds for a turn of one button
    static constexpr int kBlinksEachOfMany = 4;  // a second each when the turn has more

    // `memory` gives the boards of the game so far.
    MoveHint(const Game& game, std::function<QAbstractButton*(const ai::Click&)> button,
             std::function<void(const QString&)> announce, std::function<ai::GameMemory()> memory, QObject* parent);

    void start();
    // Ends the thinking and the blinking; the button shows its normal face again.
    void stop();
    bool blinking() const { return blinkTimer_.isActive(); }

private:
    void show(const ai::Turn& turn);
    void blink();

    void blinkNext();

    const Game& game_;
    std::function<QAbstractButton*(const ai::Click&)> button_;
    std::function<void(const QString&)> announce_;
    std::function<ai::GameMemory()> memory_;
    TurnThinker thinker_;
    QTimer blinkTimer_;
    std::vector<QPointer<QAbstractButton>> sequence_;  // the turn's buttons still to blink
    QPointer<QAbstractButton> blinking_;
    int blinksLeft_ = 0;
    int blinksEach_ = kBlinks;
};

}  // namespace reikoboy
