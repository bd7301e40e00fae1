// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "GameMemory.h"

#include "BoardHash.h"

namespace reikoboy::ai {

int progressCount(const GameState& s) { return int(s.blueDropped) + int(s.redDropped) + int(s.chipsOut); }

GameMemory::GameMemory(const std::vector<GameState>& boards) {
    for (const GameState& board : boards) add(board);
}

void GameMemory::add(const GameState& board) {
    if (board.dropInTurn != 0 || board.animating()) return;
    std::uint64_t hash = boardHash(board);
    if (turns_ > 0 && hash == last_) return;
    last_ = hash;
    ++seen_[hash];
    ++turns_;
    int progress = progressCount(board);
    quietTurns_ = progress == progress_ ? quietTurns_ + 1 : 0;
    progress_ = progress;
}

int GameMemory::seen(std::uint64_t hash) const {
    auto found = seen_.find(hash);
    return found == seen_.end() ? 0 : found->second;
}

int GameMemory::seen(const GameState& board) const { return seen(boardHash(board)); }

}  // namespace reikoboy::ai
