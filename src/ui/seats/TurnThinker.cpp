// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/seats/TurnThinker.h"

namespace reikoboy {

TurnThinker::TurnThinker(std::function<void(const ai::Turn&)> answer, QObject* parent)
    : QObject(parent), answer_(std::move(answer)) {}

TurnThinker::~TurnThinker() { stop(); }

void TurnThinker::think(const GameState& state, ai::Level level, ai::GameMemory memory) {
    stop();
    cancel_ = false;
    thinking_ = true;
    unsigned generation = ++generation_;
    thread_ = std::thread([this, state, level, generation, memory = std::move(memory)] {
        ai::Turn turn = ai::chooseTurn(state, level, memory, &cancel_);
        QMetaObject::invokeMethod(
            this, [this, turn = std::move(turn), generation] { deliver(turn, generation); },
            Qt::QueuedConnection);
    });
}

void TurnThinker::stop() {
    cancel_ = true;
    if (thread_.joinable()) thread_.join();
    thinking_ = false;
    ++generation_;
}

void TurnThinker::deliver(const ai::Turn& turn, unsigned generation) {
    if (generation != generation_) return;
    thread_.join();  // it ended with posting this answer
    thinking_ = false;
    answer_(turn);
}

}  // namespace reikoboy
