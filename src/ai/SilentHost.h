// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The host of a game the computer only imagines: no sound, and no new game at its end.
#pragma once

#include "game/Host.h"

namespace reikoboy::ai {

class SilentHost : public Host {
public:
    void playSound(Sound) override {}
    bool askEndOfGame(const std::string&) override { return false; }
};

}  // namespace reikoboy::ai
