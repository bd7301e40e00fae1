// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ResumeAnimation.h"

#include <cmath>

namespace reikoboy {

namespace {

bool resumeSlide(GameState& s) {
    for (int r = 0; r < kRails; ++r) {
        float offset = s.Image1[r].Left - railLeftAt(s.railShift[r]);
        if (offset == 0) continue;
        // The picture is still on its way from where the last shift found it.
        int ticksDone = kTicksPerCell - int(std::fabs(offset)) / kTickPixels;
        s.movingRail = r;
        s.railStep = ticksDone;
        (offset > 0 ? s.Timer1 : s.Timer2).Enabled = true;
        return true;
    }
    return false;
}

// The chips of one colour caught between two levels, in chip order.
int chipsBetweenLevels(const GameState& s, int colour, int (&found)[kChipsPerColour]) {
    int n = 0;
    for (int i = 0; i < s.dropped(colour) && i < kChipsPerColour; ++i) {
        const ChipPicture& chip = s.chips(colour)[i];
        if (s.out(colour)[i] == 0 && chip.Top != chipTopAt(levelOf(chip))) found[n++] = i;
    }
    return n;
}

bool resumeFall(GameState& s) {
    int step = 0;
    for (int colour : {kBlue, kRed}) {
        int found[kChipsPerColour];
        int n = chipsBetweenLevels(s, colour, found);
        auto& list = s.falling(colour);
        // The saved list names them first, in the order the fall step chose them, when the
        // game wrote it; otherwise it is made anew.
        bool listed = true;
        for (int k = 0; k < n && listed; ++k) {
            int named = 0;
            for (int j = 0; j < n; ++j) named += list[j] == found[k] ? 1 : 0;
            listed = named == 1;
        }
        if (!listed)
            for (int k = 0; k < n; ++k) list[k] = found[k];
        s.fallCount(colour) = n;
        if (n > 0) {
            const ChipPicture& chip = s.chips(colour)[found[0]];
            step = int(chip.Top - chipTopAt(levelOf(chip))) / kTickPixels;
        }
    }
    if (s.blueFallCount == 0 && s.redFallCount == 0) return false;
    s.fallStep = step;
    s.Timer3.Enabled = true;
    return true;
}

}  // namespace

bool resumeAnimation(GameState& s) { return resumeSlide(s) || resumeFall(s); }

}  // namespace reikoboy
