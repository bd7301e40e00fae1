// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "cursor_painter.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int supersample = 4;

void drawShape(QPainter &p, const QPainterPath &shape)
{
    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape);
}

QPainterPath roundedBox(double x, double y, double w, double h, double r)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

// Drawn smooth and large, then cut to pure black, white and clear like a classic cursor.
QImage toMonochrome(const QImage &smooth)
{
    const QImage small = smooth.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_ARGB32);
    QImage crisp(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QColor c = QColor::fromRgba(small.pixel(x, y));
            if (c.alpha() < 110)
                crisp.setPixel(x, y, qRgba(0, 0, 0, 0));
            else
                crisp.setPixel(x, y, qGray(c.rgb()) > 150 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
    }
    return crisp;
}

} // namespace

QImage paintMailCursor()
{
    QImage big(32 * supersample, 32 * supersample, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(supersample, supersample);

    // Every outline runs along pixel centres so the cut to black and white stays one pixel thin.
    // The letter, held behind the curled fingers.
    drawShape(p, roundedBox(16.5, 3.5, 13, 10, 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(16.5, 3.5), QPointF(23.0, 8.5));
    p.drawLine(QPointF(29.5, 3.5), QPointF(23.0, 8.5));

    // Back of the hand and the cuff.
    drawShape(p, roundedBox(10.5, 16.5, 14, 10, 3));
    drawShape(p, roundedBox(11.5, 26.5, 11, 4, 0.5));

    // Three curled fingers gripping the lower edge of the letter.
    for (int i = 0; i < 3; ++i)
        drawShape(p, roundedBox(15.5 + i * 3, 11.5, 3, 7, 1.5));

    // Index finger pointing up; its tip is the hot spot.
    QPainterPath finger;
    finger.moveTo(11.5, 21.5);
    finger.lineTo(11.5, 11.5);
    finger.arcTo(QRectF(11.5, 9.5, 4, 4), 180, -180);
    finger.lineTo(15.5, 21.5);
    drawShape(p, finger);

    // Thumb folded across the palm.
    drawShape(p, roundedBox(7.5, 18.5, 8, 4, 2));
    p.end();

    return toMonochrome(big);
}
