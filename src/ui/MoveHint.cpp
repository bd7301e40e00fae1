// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "MoveHint.h"

#include <QAbstractButton>

#include "ai/TurnText.h"

namespace reikoboy {

MoveHint::MoveHint(const Game& game, std::function<QAbstractButton*(const ai::Click&)> button,
                   std::function<void(const QString&)> announce, std::function<ai::GameMemory()> memory,
                   QObject* parent)
    : QObject(parent),
      game_(game),
      button_(std::move(button)),
      announce_(std::move(announce)),
      memory_(std::move(memory)),
      thinker_([this](const ai::Turn& turn) { show(turn); }) {
    blinkTimer_.setInterval(kBlinkMilliseconds);
    connect(&blinkTimer_, &QTimer::timeout, this, &MoveHint::blink);
}

void MoveHint::start() {
    stop();
    thinker_.think(game_.state(), ai::Level::Master, memory_ ? memory_() : ai::GameMemory{});
}

void MoveHint::stop() {
    thinker_.stop();
    blinkTimer_.stop();
    if (blinking_) blinking_->setDown(false);
    blinking_ = nullptr;
}

void MoveHint::show(const ai::Turn& turn) {
    if (turn.empty()) return;
    const ai::Click& first = turn.front();
    QAbstractButton* button = button_(first);
    if (!button || !game_.offers(first.button, first.index)) return;
    announce_(QStringLiteral("Подсказка: ") + QString::fromStdString(ai::describeClick(first)));
    blinking_ = button;
    blinksLeft_ = kBlinks;
    button->setDown(true);
    blinkTimer_.start();
}

void MoveHint::blink() {
    if (!blinking_ || --blinksLeft_ <= 0) {
        stop();
        return;
    }
    blinking_->setDown(!blinking_->isDown());
}

}  // namespace reikoboy
