// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "help_painter.h"

#include "board_composer.h"
#include "canvas.h"

#include <QPainterPath>

namespace {

const QColor guide(255, 248, 220, 220); // hand-drawn looking marks on top of the board

void drawGuideArrow(QPainter &p, QPointF from, QPointF to, bool dashed)
{
    const QLineF line(from, to);
    QPen pen(guide, 2.2, dashed ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.drawLine(line);
    const QLineF back = QLineF(to, from);
    QLineF wing = back;
    wing.setLength(8);
    QPainterPath head;
    wing.setAngle(back.angle() + 30);
    head.moveTo(wing.p2());
    head.lineTo(to);
    wing.setAngle(back.angle() - 30);
    head.lineTo(wing.p2());
    p.setPen(QPen(guide, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(head);
}

void drawFrame(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(0, 0, 0, 120), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

QImage cropped(const QImage &board, const QRect &logical, int scale)
{
    return board.copy(QRect(logical.topLeft() * scale, logical.size() * scale));
}

} // namespace

QImage paintHelpBoard(const PictureStore &store)
{
    return composeBoard(store, startScene(), 1);
}

// A dropped chip stops in an opening of the top rail, resting on the rail below.
QImage paintHelpDrop(const PictureStore &store)
{
    BoardScene scene = startScene();
    scene.chips.push_back({true, 4, 0});
    const int scale = 2;
    const QRect area(168, 34, 136, 104);
    QImage image = cropped(composeBoard(store, scene, scale), area, scale);
    QPainter p;
    beginLogicalPainter(p, image, scale);
    p.translate(-area.topLeft());
    drawGuideArrow(p, QPointF(236, 74), QPointF(236, 95), true);
    p.resetTransform();
    p.scale(scale, scale);
    drawFrame(p, QRectF(0, 0, area.width(), area.height()));
    p.end();
    return image;
}

// Shifting the second rail left brings an opening under the chip, and it falls one level.
// Before above, after below: side by side they would be wider than the help window.
QImage paintHelpShift(const PictureStore &store)
{
    BoardScene before = startScene();
    before.chips.push_back({true, 4, 0});
    BoardScene after = startScene();
    after.railShift[1] = -1;
    after.pressedShiftLeftRail = 1;
    after.chips.push_back({true, 4, 0, 90});
    after.chips.push_back({true, 4, 1});

    const QRect area(0, 74, 300, 122);
    const QImage top = cropped(composeBoard(store, before, 1), area, 1);
    const QImage bottom = cropped(composeBoard(store, after, 1), area, 1);

    const int gap = 36;
    const int pad = 8;
    QImage image = makeCanvas(QSize(pad * 2 + area.width(), pad * 2 + area.height() * 2 + gap), 1);
    image.fill(startScene().background);
    QPainter p;
    beginLogicalPainter(p, image, 1);
    p.drawImage(QPointF(pad, pad), top);
    const double bottomY = pad + area.height() + gap;
    p.drawImage(QPointF(pad, bottomY), bottom);
    drawFrame(p, QRectF(pad, pad, area.width(), area.height()));
    drawFrame(p, QRectF(pad, bottomY, area.width(), area.height()));

    const double middleX = pad + area.width() / 2.0;
    drawGuideArrow(p, QPointF(middleX, pad + area.height() + 6), QPointF(middleX, bottomY - 6), false);
    // Where the chip came from, and where it fell.
    const QPointF chipTop(pad + board::chipX(4) - area.left() + board::chipSize / 2.0, bottomY + board::chipY(0) - area.top());
    drawGuideArrow(p, chipTop + QPointF(18, 2), chipTop + QPointF(18, 40), true);
    p.end();
    return image;
}

// The drum in its three positions, from the first to the third.
QImage paintHelpDrum(const PictureStore &store)
{
    const int pad = 12;
    const int gap = 12;
    QImage image = makeCanvas(QSize(board::drumWidth + pad * 2, board::drumHeight * 3 + gap * 2 + pad * 2), 1);
    image.fill(startScene().background);
    QPainter p;
    beginLogicalPainter(p, image, 1);
    for (int position = 0; position < 3; ++position) {
        const QRectF where(pad, pad + position * (board::drumHeight + gap), board::drumWidth, board::drumHeight);
        p.fillRect(where.translated(2, 2), QColor(0, 0, 0, 70));
        placePicture(p, store, QString("drum%1").arg(position), where, 1);
        drawFrame(p, where);
    }
    p.end();
    return image;
}
