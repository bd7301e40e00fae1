// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "BoardHash.h"

namespace reikoboy::ai {

std::uint64_t boardHash(const GameState& s) {
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&h](long v) { h = (h ^ std::uint64_t(v)) * 1099511628211ull; };
    for (int r = 0; r < kRails; ++r) mix(s.railShift[r]);
    for (int colour : {kBlue, kRed}) {
        mix(s.dropped(colour));
        for (int i = 0; i < kChipsPerColour; ++i) {
            mix(long(s.chips(colour)[i].Left));
            mix(long(s.chips(colour)[i].Top));
            mix(s.out(colour)[i]);
        }
    }
    for (long v : {long(s.drumPos), long(s.lastMoved), long(s.turnColour), long(s.blueScore), long(s.redScore),
                   long(s.dropInTurn)})
        mix(v);
    return h ^ (h >> 29);
}

}  // namespace reikoboy::ai
