// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "drum_painter.h"

#include "board_geometry.h"
#include "canvas.h"

#include <QFont>
#include <algorithm>
#include <QLinearGradient>
#include <cmath>
#include <numbers>

namespace {

constexpr double lipHeight = 4.0;
constexpr double faceTop = lipHeight;
constexpr double faceBottom = board::drumHeight - lipHeight;
constexpr double seamOffset = 0.86; // faces meet 60 degrees off centre

QColor faceTint(int position)
{
    switch ((position % 3 + 3) % 3) {
    case 0: return QColor(244, 234, 208);
    case 1: return QColor(212, 232, 202);
    default: return QColor(244, 212, 196);
    }
}

QColor scaled(QColor c, double light)
{
    return QColor::fromRgbF(std::min(1.0, c.redF() * light), std::min(1.0, c.greenF() * light),
                            std::min(1.0, c.blueF() * light));
}

// Brightness of the round surface at a height, lit from above.
double lightAt(double t)
{
    const double angle = (t - 0.5) * std::numbers::pi * 0.96;
    const double diffuse = std::max(0.0, std::cos(angle + 0.3));
    const double shine = std::exp(-std::pow((t - 0.3) / 0.08, 2)) * 0.12;
    return 0.22 + 0.86 * diffuse + shine;
}

void paintBand(QPainter &p, double top, double bottom, QColor tint)
{
    const double mid = (faceTop + faceBottom) / 2;
    const double radius = (faceBottom - faceTop) / 2;
    QLinearGradient g(0, top, 0, bottom);
    for (int i = 0; i <= 8; ++i) {
        const double y = top + (bottom - top) * i / 8.0;
        const double t = 0.5 + std::asin(std::clamp((y - mid) / radius, -1.0, 1.0)) / std::numbers::pi;
        g.setColorAt(i / 8.0, scaled(tint, lightAt(t)));
    }
    p.fillRect(QRectF(0, top, board::drumWidth, bottom - top), g);
}

void paintLips(QPainter &p)
{
    QLinearGradient top(0, 0, 0, lipHeight);
    top.setColorAt(0, QColor(96, 70, 38));
    top.setColorAt(0.4, QColor(200, 160, 90));
    top.setColorAt(1, QColor(70, 48, 22));
    p.fillRect(QRectF(0, 0, board::drumWidth, lipHeight), top);
    QLinearGradient bottom(0, faceBottom, 0, board::drumHeight);
    bottom.setColorAt(0, QColor(50, 34, 14));
    bottom.setColorAt(0.5, QColor(150, 114, 60));
    bottom.setColorAt(1, QColor(60, 40, 18));
    p.fillRect(QRectF(0, faceBottom, board::drumWidth, lipHeight), bottom);
}

void paintSegmentGrooves(QPainter &p)
{
    for (int k = 1; k < board::drumColumns; ++k) {
        const double x = k * board::cell;
        p.setPen(QPen(QColor(60, 44, 26, 120), 1.0));
        p.drawLine(QPointF(x - 0.5, faceTop), QPointF(x - 0.5, faceBottom));
        p.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
        p.drawLine(QPointF(x + 0.5, faceTop), QPointF(x + 0.5, faceBottom));
    }
}

QColor pointsColour(int points)
{
    if (points >= 50)
        return QColor(168, 28, 22);
    if (points >= 20)
        return QColor(36, 104, 52);
    if (points > 0)
        return QColor(36, 66, 122);
    return QColor(128, 124, 116);
}

void paintNumbers(QPainter &p, int position)
{
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(18);
    p.setFont(font);
    for (int k = 0; k < board::drumColumns; ++k) {
        const int points = board::drumPoints[position][k];
        const QRectF box(k * board::cell, 12, board::cell, 30);
        const QString text = QString::number(points);
        p.setPen(QColor(255, 255, 255, 150)); // engraved: light edge below-right
        p.drawText(box.translated(0.8, 0.9), Qt::AlignCenter, text);
        p.setPen(pointsColour(points));
        p.drawText(box, Qt::AlignCenter, text);
    }
}

// One, two or three pips under each number tell the position at a glance.
void paintPips(QPainter &p, int position)
{
    const int pips = position + 1;
    for (int k = 0; k < board::drumColumns; ++k) {
        const double centre = k * board::cell + board::cell / 2.0;
        for (int i = 0; i < pips; ++i) {
            const QPointF at(centre + (i - (pips - 1) / 2.0) * 6.5, 47.5);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 140));
            p.drawEllipse(at + QPointF(0.5, 0.6), 2.2, 2.2);
            p.setBrush(QColor(70, 56, 40));
            p.drawEllipse(at, 2.0, 2.0);
        }
    }
}

void paintEnds(QPainter &p)
{
    for (int side = 0; side < 2; ++side) {
        const double x0 = side ? board::drumWidth - 10 : 0;
        QLinearGradient g(side ? board::drumWidth : 0, 0, x0 + (side ? 0 : 10), 0);
        g.setColorAt(0, QColor(0, 0, 0, 90));
        g.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(QRectF(x0, 0, 10, board::drumHeight), g);
    }
}

} // namespace

QImage paintDrum(int position, int scale)
{
    QImage image = makeCanvas(QSize(board::drumWidth, board::drumHeight), scale);
    image.fill(Qt::black);
    QPainter p;
    beginLogicalPainter(p, image, scale);

    // The neighbouring faces peek out above and below, so each position looks turned.
    const double mid = (faceTop + faceBottom) / 2;
    const double radius = (faceBottom - faceTop) / 2;
    const double upperSeam = mid - seamOffset * radius;
    const double lowerSeam = mid + seamOffset * radius;
    paintBand(p, faceTop, upperSeam, faceTint(position + 1));
    paintBand(p, upperSeam, lowerSeam, faceTint(position));
    paintBand(p, lowerSeam, faceBottom, faceTint(position + 2));
    for (double seam : {upperSeam, lowerSeam}) {
        p.setPen(QPen(QColor(40, 30, 20, 160), 1.0));
        p.drawLine(QPointF(0, seam), QPointF(board::drumWidth, seam));
    }
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
    p.drawLine(QPointF(0, upperSeam + 1), QPointF(board::drumWidth, upperSeam + 1));

    paintSegmentGrooves(p);
    paintNumbers(p, position);
    paintPips(p, position);
    paintLips(p);
    paintEnds(p);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}
