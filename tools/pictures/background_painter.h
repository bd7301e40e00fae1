// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Draws the calm, low-contrast pictures that can lie behind the whole board.

#include <QImage>
#include <QSize>

QImage paintWoodTable(QSize size);
// The cloth is nearly one hue, so it is kept in 256 shades of green to stay a small file.
QImage paintGreenBaize(QSize size);
QImage paintStarryEvening(QSize size);
