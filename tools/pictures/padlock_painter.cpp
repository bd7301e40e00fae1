// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "padlock_painter.h"

#include "canvas.h"

#include <QLinearGradient>
#include <QPainterPath>

QImage paintPadlock(int scale)
{
    QImage image = makeCanvas(QSize(32, 32), scale);
    QPainter p;
    beginLogicalPainter(p, image, scale);

    // Shackle: a thick grey hoop with a light top-left edge.
    QPainterPath shackle;
    shackle.moveTo(10.5, 16);
    shackle.lineTo(10.5, 10);
    shackle.arcTo(QRectF(10.5, 4, 11, 11), 180, -180);
    shackle.lineTo(21.5, 16);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 72, 76), 4.6, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(shackle);
    p.setPen(QPen(QColor(178, 182, 188), 2.6, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(shackle);
    p.setPen(QPen(QColor(230, 232, 236), 0.9, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(shackle.translated(-0.6, -0.4));

    // Shadow, then the body.
    const QRectF body(6.5, 14.5, 19, 15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(body.translated(1, 1.2), 3, 3);
    QLinearGradient grey(body.topLeft(), body.bottomRight());
    grey.setColorAt(0.0, QColor(222, 224, 228));
    grey.setColorAt(0.5, QColor(160, 163, 168));
    grey.setColorAt(1.0, QColor(104, 106, 112));
    p.setPen(QPen(QColor(64, 66, 70), 1.0));
    p.setBrush(grey);
    p.drawRoundedRect(body, 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.9));
    p.drawLine(QPointF(9, 15.6), QPointF(23, 15.6));

    // Keyhole.
    QPainterPath keyhole;
    keyhole.addEllipse(QPointF(16, 20.6), 2.0, 2.0);
    keyhole.moveTo(15.0, 21.5);
    keyhole.lineTo(14.4, 26.0);
    keyhole.lineTo(17.6, 26.0);
    keyhole.lineTo(17.0, 21.5);
    keyhole.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawPath(keyhole.translated(0.5, 0.6));
    p.setBrush(QColor(46, 48, 52));
    p.drawPath(keyhole.simplified());
    p.end();
    return image;
}
