// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Who plays a colour: the person at this screen, the computer, or the player over the network.
// The window asks the seat of the side to move before it offers its board buttons.
#pragma once

namespace reikoboy {

enum class Seat { Here, Computer, Remote };

}  // namespace reikoboy
