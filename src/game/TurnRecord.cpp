// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "TurnRecord.h"

namespace reikoboy {

namespace {

// Plays the taken-back clicks without a sound or a question.
struct QuietHost : Host {
    void playSound(Sound) override {}
    bool askEndOfGame(const std::string&) override { return false; }
};

void addClick(std::vector<RecordedTurn>& turns, int mover, BoardClick click, const GameState& before,
              const GameState& after, bool takenBack) {
    if (turns.empty() || turns.back().mover != mover || turns.back().takenBack != takenBack ||
        turns.back().clicks.back().button != Button::Command1) {
        turns.push_back({mover, {}, 0, 0, takenBack});
    }
    RecordedTurn& turn = turns.back();
    turn.clicks.push_back(click);
    turn.blueGain += after.blueScore - before.blueScore;
    turn.redGain += after.redScore - before.redScore;
}

}  // namespace

std::vector<RecordedTurn> recordTurns(const History& history, const GameState& now) {
    std::vector<RecordedTurn> turns;
    const std::vector<GameState> boards = history.boards(now);
    const std::vector<History::Step> steps = history.steps();
    for (std::size_t i = 0; i < steps.size(); ++i)
        addClick(turns, steps[i].mover, steps[i].click, boards[i], i + 1 < boards.size() ? boards[i + 1] : now, false);

    const std::vector<BoardClick> again = history.redoClicks();
    if (again.empty()) return turns;
    QuietHost quiet;
    Game replay(quiet, now);
    replay.finishAnimation();
    for (const BoardClick& click : again) {
        const GameState before = replay.state();
        if (!replay.click(click.button, click.index)) break;
        replay.finishAnimation();
        addClick(turns, before.turnColour, click, before, replay.state(), true);
    }
    return turns;
}

}  // namespace reikoboy
