// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The help and About windows open in the middle of the screen, wherever the main window is.
#pragma once

class QWidget;

namespace reikoboy {

// Places a window of fixed size in the middle of its owner's screen (or the primary one).
void centreOnScreen(QWidget* window);

}  // namespace reikoboy
