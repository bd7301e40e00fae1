// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Draws the brass arrow faces of the drop, drum and shift buttons.

#include <QImage>
#include <QSize>

enum class ArrowDirection { Down, Up, Left, Right };

// The pressed face is longer along the arrow, as if the arrow were pushed through.
QImage paintArrow(ArrowDirection direction, QSize logical, bool pressed, int scale);
