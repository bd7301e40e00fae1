// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/board/MoveHint.h"

#include <QAbstractButton>
#include <QCoreApplication>

#include "ui/board/TurnWords.h"

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
    sequence_.clear();
}

void MoveHint::show(const ai::Turn& turn) {
    if (turn.empty()) return;
    const ai::Click& first = turn.front();
    if (!button_(first) || !game_.offers(first.button, first.index)) return;
    announce_(QCoreApplication::translate("reikoboy::MoveHint", "Подсказка: %1").arg(turnWords(turn)));
    // A later button of the turn may show only once the earlier ones are pressed: those that
    // show now blink, in the turn's order.
    for (const ai::Click& click : turn) {
        QAbstractButton* button = button_(click);
        if (button && button->isVisible() && (sequence_.empty() || sequence_.back() != button))
            sequence_.push_back(button);
    }
    blinksEach_ = sequence_.size() > 1 ? kBlinksEachOfMany : kBlinks;
    blinkNext();
    blinkTimer_.start();
}

void MoveHint::blinkNext() {
    if (blinking_) blinking_->setDown(false);
    blinking_ = nullptr;
    while (!sequence_.empty() && !blinking_) {
        blinking_ = sequence_.front();
        sequence_.erase(sequence_.begin());
    }
    if (!blinking_) return;
    blinksLeft_ = blinksEach_;
    blinking_->setDown(true);
}

void MoveHint::blink() {
    if (blinking_ && --blinksLeft_ > 0) {
        blinking_->setDown(!blinking_->isDown());
        return;
    }
    blinkNext();
    if (!blinking_) stop();
}

}  // namespace reikoboy
