// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "arrow_painter.h"

#include "canvas.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QTransform>

namespace {

constexpr double margin = 1.6;
constexpr double restingLength = 26.0; // length of the unpressed faces

bool alongX(ArrowDirection d) { return d == ArrowDirection::Left || d == ArrowDirection::Right; }

// The arrow is built pointing down; this turns it the way the button points.
QTransform orientation(ArrowDirection d, double length)
{
    switch (d) {
    case ArrowDirection::Down: return QTransform();
    case ArrowDirection::Up: return QTransform(1, 0, 0, -1, 0, length);
    case ArrowDirection::Right: return QTransform(0, 1, 1, 0, 0, 0);
    case ArrowDirection::Left: return QTransform(0, 1, -1, 0, length, 0);
    }
    return QTransform();
}

QPainterPath downArrow(double across, double length)
{
    const double head = (restingLength - 2 * margin) * 0.56;
    const double neck = length - margin - head;
    const double shaftHalf = across * 0.2;
    const double mid = across / 2;
    QPainterPath path;
    path.moveTo(mid - shaftHalf, margin);
    path.lineTo(mid + shaftHalf, margin);
    path.lineTo(mid + shaftHalf, neck);
    path.lineTo(across - margin, neck);
    path.lineTo(mid, length - margin);
    path.lineTo(margin, neck);
    path.lineTo(mid - shaftHalf, neck);
    path.closeSubpath();
    return path;
}

} // namespace

QImage paintArrow(ArrowDirection direction, QSize logical, bool pressed, int scale)
{
    const double length = alongX(direction) ? logical.width() : logical.height();
    const double across = alongX(direction) ? logical.height() : logical.width();
    const QPainterPath arrow = orientation(direction, length).map(downArrow(across, length));

    QImage image = makeCanvas(logical, scale);
    QPainter p;
    beginLogicalPainter(p, image, scale);

    const QPen outline(QColor(74, 44, 8), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QRectF box(0, 0, logical.width(), logical.height());

    if (!pressed) { // a raised button casts a shadow; a pressed one does not
        p.setPen(QPen(QColor(0, 0, 0, 70), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawPath(arrow.translated(0.9, 1.1));
    }

    QLinearGradient metal(box.topLeft(), box.bottomRight());
    if (pressed) {
        metal.setColorAt(0.0, QColor(150, 96, 22));
        metal.setColorAt(0.55, QColor(196, 138, 40));
        metal.setColorAt(1.0, QColor(226, 176, 80));
    } else {
        metal.setColorAt(0.0, QColor(255, 236, 160));
        metal.setColorAt(0.45, QColor(236, 180, 58));
        metal.setColorAt(1.0, QColor(168, 104, 18));
    }
    p.setPen(outline);
    p.setBrush(metal);
    p.drawPath(arrow);

    p.save();
    p.setClipPath(arrow);
    if (pressed) {
        // Inner shadow on the top-left edges makes the face look sunk in.
        p.setPen(QPen(QColor(60, 30, 0, 150), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arrow.translated(-1.4, -1.4));
    } else {
        QLinearGradient gloss(box.topLeft(), box.center());
        gloss.setColorAt(0.0, QColor(255, 255, 255, 170));
        gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.fillRect(box, gloss);
        p.setPen(QPen(QColor(255, 255, 240, 150), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arrow.translated(1.0, 1.0));
    }
    p.restore();

    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawPath(arrow);
    p.end();
    return image;
}
