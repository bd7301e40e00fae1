// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Draws the black-and-white mail cursor: a hand holding a letter, pointing up.

#include <QImage>
#include <QPoint>

inline constexpr QPoint mailCursorHotSpot{13, 9};

QImage paintMailCursor();
