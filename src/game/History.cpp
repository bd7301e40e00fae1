// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "History.h"

#include <algorithm>

namespace reikoboy {

void History::clear() {
    undo_.clear();
    undo_.shrink_to_fit();
    redo_.clear();
    redo_.shrink_to_fit();
}

bool History::click(Game& game, BoardClick click) {
    if (!game.offers(click.button, click.index)) return false;
    push(game.state(), click);
    redo_.clear();
    return game.click(click.button, click.index);
}

void History::push(const GameState& before, BoardClick click) {
    StateBytes state = encodeState(before);
    if (!undo_.empty()) undo_.back().state = makePatch(state, undo_.back().state);
    undo_.push_back({std::move(state), click, int(before.turnColour)});
}

StateBytes History::pop() {
    Entry top = std::move(undo_.back());
    undo_.pop_back();
    if (!undo_.empty()) undo_.back().state = applyPatch(top.state, undo_.back().state);
    redo_.push_back(top.click);
    return std::move(top.state);
}

void History::restore(Game& game, const StateBytes& state) {
    GameState before = game.state();
    decodeState(state, before);  // the history's own bytes always decode
    game.restore(before);
}

bool History::undo(Game& game) {
    if (undo_.empty()) return false;
    restore(game, pop());
    return true;
}

bool History::redo(Game& game) {
    if (!canRedo(game)) return false;
    BoardClick click = redo_.back();
    if (!game.offers(click.button, click.index)) return false;
    push(game.state(), click);
    redo_.pop_back();
    return game.click(click.button, click.index);
}

bool History::canUndoTo(int colour) const {
    return std::any_of(undo_.begin(), undo_.end(),
                       [&](const Entry& e) { return e.mover == colour; });
}

bool History::undoTo(Game& game, int colour) {
    if (!canUndoTo(colour)) return false;
    for (;;) {
        bool theirs = undo_.back().mover == colour;
        StateBytes state = pop();
        if (theirs) {
            restore(game, state);
            return true;
        }
    }
}

std::optional<BoardClick> History::nextRedo() const {
    if (redo_.empty()) return std::nullopt;
    return redo_.back();
}

std::vector<GameState> History::boards(const GameState& now) const {
    std::vector<GameState> boards(undo_.size(), now);
    StateBytes bytes;
    for (std::size_t i = undo_.size(); i-- > 0;) {
        bytes = i + 1 == undo_.size() ? undo_[i].state : applyPatch(bytes, undo_[i].state);
        decodeState(bytes, boards[i]);
    }
    return boards;
}

std::vector<History::Step> History::steps() const {
    std::vector<Step> steps;
    steps.reserve(undo_.size());
    for (const Entry& e : undo_) steps.push_back({e.click, e.mover});
    return steps;
}

std::size_t History::bytes() const {
    std::size_t total = undo_.capacity() * sizeof(Entry) + redo_.capacity() * sizeof(BoardClick);
    for (const Entry& e : undo_) total += e.state.capacity();
    return total;
}

}  // namespace reikoboy
