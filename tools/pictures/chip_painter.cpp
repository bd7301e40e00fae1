// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "chip_painter.h"

#include "board_geometry.h"
#include "canvas.h"

#include <QPainterPath>
#include <QRadialGradient>

ChipColours blueChip()
{
    return {QColor(170, 215, 255), QColor(46, 112, 222), QColor(16, 50, 138), QColor(8, 28, 80)};
}

ChipColours redChip()
{
    return {QColor(255, 190, 170), QColor(220, 46, 38), QColor(140, 16, 18), QColor(72, 6, 8)};
}

void drawChip(QPainter &p, const QRectF &square, const ChipColours &colours)
{
    const double d = square.width();
    const QRectF disc = square.adjusted(d * 0.03, d * 0.02, -d * 0.06, -d * 0.07);
    const QPointF centre = disc.center();
    const double r = disc.width() / 2;

    // Soft contact shadow towards the bottom-right.
    QRadialGradient shadow(centre + QPointF(r * 0.1, r * 0.16), r * 1.08);
    shadow.setColorAt(0.8, QColor(0, 0, 0, 90));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(centre + QPointF(r * 0.1, r * 0.16), r * 1.08, r * 1.08);

    QRadialGradient body(centre - QPointF(r * 0.35, r * 0.4), r * 1.45, centre - QPointF(r * 0.45, r * 0.5));
    body.setColorAt(0.0, colours.light);
    body.setColorAt(0.45, colours.body);
    body.setColorAt(1.0, colours.deep);
    p.setBrush(body);
    p.setPen(QPen(colours.rim, d * 0.04));
    p.drawEllipse(disc);

    // A pressed ring like on a draughts piece: dark lower-right, light upper-left.
    const double ring = r * 0.62;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 70), d * 0.045));
    p.drawEllipse(centre + QPointF(d * 0.012, d * 0.02), ring, ring);
    p.setPen(QPen(QColor(255, 255, 255, 70), d * 0.035));
    p.drawEllipse(centre - QPointF(d * 0.012, d * 0.02), ring, ring);

    // Glossy highlight on the top-left.
    QPainterPath gloss;
    gloss.addEllipse(QRectF(centre.x() - r * 0.78, centre.y() - r * 0.86, r * 1.2, r * 0.8));
    QRadialGradient shine(centre - QPointF(r * 0.3, r * 0.55), r * 0.75);
    shine.setColorAt(0.0, QColor(255, 255, 255, 210));
    shine.setColorAt(0.6, QColor(255, 255, 255, 70));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillPath(gloss, shine);

    // Reflected light on the bottom rim.
    p.setPen(QPen(QColor(255, 255, 255, 60), d * 0.035));
    p.drawArc(disc.adjusted(d * 0.06, d * 0.06, -d * 0.06, -d * 0.06), -20 * 16, -100 * 16);
}

QImage paintChip(const ChipColours &colours, int scale)
{
    QImage image = makeCanvas(QSize(board::chipSize, board::chipSize), scale);
    QPainter p;
    beginLogicalPainter(p, image, scale);
    drawChip(p, QRectF(0, 0, board::chipSize, board::chipSize), colours);
    p.end();
    return image;
}
