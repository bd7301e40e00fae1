// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "icon_painter.h"

#include "chip_painter.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

void drawWoodBar(QPainter &p, const QRectF &bar)
{
    QLinearGradient wood(bar.topLeft(), bar.bottomLeft());
    wood.setColorAt(0.0, QColor(250, 222, 168));
    wood.setColorAt(0.5, QColor(214, 156, 86));
    wood.setColorAt(1.0, QColor(140, 88, 40));
    p.setPen(QPen(QColor(70, 38, 12), 0.7));
    p.setBrush(wood);
    p.drawRoundedRect(bar, 1.5, 1.5);
    p.setPen(QPen(QColor(255, 250, 230, 160), 0.6));
    p.drawLine(QPointF(bar.left() + 1.2, bar.top() + 0.8), QPointF(bar.right() - 1.2, bar.top() + 0.8));
}

} // namespace

QImage paintIcon(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pixels / 32.0, pixels / 32.0); // drawn on a 32-unit grid at every size

    const QRectF tile(1, 1, 30, 30);
    QLinearGradient felt(tile.topLeft(), tile.bottomRight());
    felt.setColorAt(0.0, QColor(58, 118, 104));
    felt.setColorAt(1.0, QColor(18, 50, 46));
    p.setPen(QPen(QColor(10, 30, 28), 0.8));
    p.setBrush(felt);
    p.drawRoundedRect(tile, 6, 6);
    p.setPen(QPen(QColor(255, 255, 255, 50), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(tile.adjusted(1, 1, -1, -1), 5, 5);

    // Upper rail with an opening in the middle, lower rail that the chip rests on.
    p.fillRect(QRectF(11.5, 8.5, 9, 7), QColor(8, 20, 18, 170));
    drawWoodBar(p, QRectF(3, 8.5, 8.5, 7));
    drawWoodBar(p, QRectF(20.5, 8.5, 8.5, 7));
    drawWoodBar(p, QRectF(3, 21.5, 26, 6.5));
    drawChip(p, QRectF(10.6, 10.6, 11.8, 11.8), redChip());
    p.end();
    return image;
}
