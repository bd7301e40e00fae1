// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Thinks about a turn on a thread of its own, on a copy of the game, so that the window never
// waits for the computer; the answer comes back on the window's thread.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <thread>

#include "ai/ComputerPlayer.h"

namespace reikoboy {

class TurnThinker : public QObject {
public:
    explicit TurnThinker(std::function<void(const ai::Turn&)> answer, QObject* parent = nullptr);
    ~TurnThinker() override;

    // Starts thinking about `state`, after stopping any earlier thought; `memory` holds the
    // boards of the game so far.
    void think(const GameState& state, ai::Level level, ai::GameMemory memory = {});
    // Stops at once: the thread is gone when it returns, and no answer arrives after it.
    void stop();
    bool thinking() const { return thinking_; }

private:
    void deliver(const ai::Turn& turn, unsigned generation);

    std::function<void(const ai::Turn&)> answer_;
    std::thread thread_;
    std::atomic<bool> cancel_{false};
    unsigned generation_ = 0;  // an answer of an earlier thought is dropped
    bool thinking_ = false;
};

}  // namespace reikoboy
