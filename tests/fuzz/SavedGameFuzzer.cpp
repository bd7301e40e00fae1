// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// libFuzzer target: any bytes at all, opened as a saved game. It must never crash, read out of
// bounds, or leave a half-opened game: a refused file leaves the game exactly as it was, and
// an accepted one, played on, only ever saves files that open again.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "game/Game.h"
#include "persist/SavedGame.h"

namespace {
struct QuietHost : reikoboy::Host {
    void playSound(reikoboy::Sound) override {}
    bool askEndOfGame(const std::string&) override { return false; }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace reikoboy;
    QuietHost host;
    Game game(host);
    game.formLoad("", "");
    game.command1Click(3);
    const std::string before = writeSavedGame(game.state());
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    if (openSavedGame(game, in) != ReadResult::Ok) {
        if (writeSavedGame(game.state()) != before) std::abort();
        return 0;
    }
    // An opened game must be playable: offer and play every move once, settling each; and
    // the game must never save a file it would refuse to open.
    auto opensAgain = [&] {
        QuietHost other;
        Game reopened(other);
        reopened.formLoad("", "");
        std::istringstream saved(writeSavedGame(game.state()));
        return openSavedGame(reopened, saved) == ReadResult::Ok;
    };
    game.finishAnimation();
    if (!opensAgain()) std::abort();
    for (Button b : {Button::Command1, Button::Command2, Button::Command3, Button::Command4, Button::Command5})
        for (int i = 0; i < buttonCount(b); ++i)
            if (game.click(b, i)) {
                game.finishAnimation();
                if (!opensAgain()) std::abort();
            }
    return 0;
}
