// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Draws a glossy round playing chip.

#include <QColor>
#include <QImage>
#include <QPainter>

struct ChipColours {
    QColor light;
    QColor body;
    QColor deep;
    QColor rim;
};

ChipColours blueChip();
ChipColours redChip();

QImage paintChip(const ChipColours &colours, int scale);

// Paints a chip of the given diameter centred in the square, used by icons too.
void drawChip(QPainter &p, const QRectF &square, const ChipColours &colours);
