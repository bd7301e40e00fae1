// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "rail_painter.h"

#include "canvas.h"
#include "seeded_noise.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>
#include <vector>

namespace {

constexpr double beamTop = 1.0;   // chips in an opening rest right on the rail below
constexpr double beamBottom = 36.0;
constexpr double width = board::columns * board::cell;

struct Run {
    int first;
    int last;
};

std::vector<Run> solidRuns(const board::Pattern &pattern)
{
    std::vector<Run> runs;
    for (int c = 0; c < board::columns; ++c) {
        if (!pattern[c])
            continue;
        if (!runs.empty() && runs.back().last == c - 1)
            runs.back().last = c;
        else
            runs.push_back({c, c});
    }
    return runs;
}

QRectF runRect(const Run &run)
{
    return QRectF(run.first * board::cell + 0.5, beamTop,
                  (run.last - run.first + 1) * board::cell - 1.0, beamBottom - beamTop);
}

// The opening is see-through but darkened, so it reads as a hole on any background.
void paintHoles(QPainter &p, const board::Pattern &pattern)
{
    for (int c = 0; c < board::columns; ++c) {
        if (pattern[c])
            continue;
        QRectF hole(c * board::cell, beamTop + 1, board::cell, beamBottom - beamTop - 1);
        QLinearGradient shade(hole.topLeft(), hole.bottomLeft());
        shade.setColorAt(0.0, QColor(12, 8, 5, 200));
        shade.setColorAt(0.35, QColor(20, 14, 9, 150));
        shade.setColorAt(1.0, QColor(20, 14, 9, 95));
        p.fillRect(hole, shade);
        // The block on the left, lit from the top-left, throws its shadow into the opening.
        QLinearGradient cast(hole.topLeft(), hole.topLeft() + QPointF(12, 0));
        cast.setColorAt(0.0, QColor(0, 0, 0, 110));
        cast.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.fillRect(hole, cast);
        QLinearGradient top(hole.topLeft(), hole.topLeft() + QPointF(0, 6));
        top.setColorAt(0.0, QColor(0, 0, 0, 90));
        top.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.fillRect(hole, top);
    }
}

// A rod behind the blocks shows through the openings and ties the blocks into one rail.
void paintRod(QPainter &p)
{
    QRectF rod(0, 6, width, 5);
    QLinearGradient steel(rod.topLeft(), rod.bottomLeft());
    steel.setColorAt(0.0, QColor(70, 74, 80));
    steel.setColorAt(0.3, QColor(196, 202, 210));
    steel.setColorAt(0.6, QColor(120, 126, 134));
    steel.setColorAt(1.0, QColor(40, 42, 46));
    p.fillRect(rod, steel);
    p.fillRect(QRectF(0, 11, width, 2.5), QColor(0, 0, 0, 80)); // its shadow on the back wall
}

void paintBeamBody(QPainter &p, const QPainterPath &beam)
{
    QLinearGradient wood(0, beamTop, 0, beamBottom);
    wood.setColorAt(0.0, QColor(246, 218, 164));
    wood.setColorAt(0.18, QColor(230, 186, 120));
    wood.setColorAt(0.6, QColor(205, 148, 82));
    wood.setColorAt(1.0, QColor(146, 94, 44));
    p.fillPath(beam, wood);
}

// Grain runs along the whole rail as if the blocks were cut from one plank.
void paintGrain(QPainter &p, const QPainterPath &beam, unsigned seed)
{
    SeededNoise noise(seed);
    p.save();
    p.setClipPath(beam);
    for (int line = 0; line < 16; ++line) {
        const double base = noise.range(beamTop, beamBottom);
        const double amplitude = noise.range(0.4, 2.2);
        const double frequency = noise.range(0.008, 0.03);
        const double phase = noise.range(0, 6.28);
        const double drift = noise.range(-0.006, 0.006);
        QPainterPath grain;
        for (double x = -2; x <= width + 2; x += 4) {
            const double y = base + amplitude * std::sin(x * frequency + phase) + drift * x
                + 0.5 * std::sin(x * 0.11 + phase * 2);
            if (x < 0)
                grain.moveTo(x, y);
            else
                grain.lineTo(x, y);
        }
        QColor ink(110, 62, 22, int(noise.range(28, 70)));
        p.setPen(QPen(ink, noise.range(0.5, 1.3)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(grain);
    }
    p.restore();
}

// Cells inside a block are marked by carved grooves so columns can be counted.
void paintGrooves(QPainter &p, const board::Pattern &pattern)
{
    for (int c = 1; c < board::columns; ++c) {
        if (!pattern[c - 1] || !pattern[c])
            continue;
        const double x = c * board::cell;
        p.setPen(QPen(QColor(80, 45, 15, 150), 1.0));
        p.drawLine(QPointF(x - 0.5, beamTop + 2), QPointF(x - 0.5, beamBottom - 1));
        p.setPen(QPen(QColor(255, 240, 210, 110), 1.0));
        p.drawLine(QPointF(x + 0.5, beamTop + 2), QPointF(x + 0.5, beamBottom - 1));
    }
}

// Light from the top-left: bright top and left edges, dark bottom and right edges.
void paintBevel(QPainter &p, const Run &run)
{
    const QRectF r = runRect(run).adjusted(0.6, 0.6, -0.6, -0.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 250, 235, 170), 1.2));
    p.drawLine(QPointF(r.left() + 3, r.top()), QPointF(r.right() - 3, r.top()));
    p.setPen(QPen(QColor(255, 245, 220, 90), 1.2));
    p.drawLine(QPointF(r.left(), r.top() + 3), QPointF(r.left(), r.bottom() - 3));
    p.setPen(QPen(QColor(60, 30, 8, 150), 1.2));
    p.drawLine(QPointF(r.left() + 3, r.bottom()), QPointF(r.right() - 3, r.bottom()));
    p.setPen(QPen(QColor(60, 30, 8, 110), 1.2));
    p.drawLine(QPointF(r.right(), r.top() + 3), QPointF(r.right(), r.bottom() - 3));
    p.setPen(QPen(QColor(70, 38, 12, 200), 0.8));
    p.drawRoundedRect(runRect(run), 4, 4);
}

void paintShadow(QPainter &p, const Run &run)
{
    const QRectF r = runRect(run);
    for (int i = 0; i < 3; ++i) {
        const QRectF s = r.adjusted(1 + i, 1.5 + i * 0.6, 1 + i * 0.3, 1.5 + i * 0.6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 30));
        p.drawRoundedRect(s, 4, 4);
    }
}

} // namespace

QImage paintRail(const board::Pattern &pattern, int scale, unsigned seed)
{
    QImage image = makeCanvas(QSize(board::columns * board::cell, board::railPictureHeight), scale);
    QPainter p;
    beginLogicalPainter(p, image, scale);

    const std::vector<Run> runs = solidRuns(pattern);
    QPainterPath beam;
    for (const Run &run : runs)
        beam.addRoundedRect(runRect(run), 4, 4);

    paintHoles(p, pattern);
    paintRod(p);
    for (const Run &run : runs)
        paintShadow(p, run);
    paintBeamBody(p, beam);
    paintGrain(p, beam, seed);
    paintGrooves(p, pattern);
    for (const Run &run : runs)
        paintBevel(p, run);
    p.end();
    return image;
}
