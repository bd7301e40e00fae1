// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "about_painter.h"

#include "board_geometry.h"
#include "canvas.h"

#include <QLinearGradient>

QImage paintAboutRails(int scale)
{
    const QSize size(211, 96);
    QImage image = makeCanvas(size, scale);
    image.fill(Qt::black); // holes are simply the black showing through
    QPainter p;
    beginLogicalPainter(p, image, scale);

    const double cellWidth = double(size.width()) / board::columns;
    const double cellHeight = double(size.height()) / board::rails;
    for (int r = 0; r < board::rails; ++r) {
        const board::Pattern &pattern = board::patternOfRail(r);
        for (int c = 0; c < board::columns; ++c) {
            if (!pattern[c])
                continue;
            const QRectF block(c * cellWidth + 0.6, r * cellHeight + 0.6, cellWidth - 1.2, cellHeight - 1.2);
            QLinearGradient red(block.topLeft(), block.bottomRight());
            red.setColorAt(0.0, QColor(255, 120, 100));
            red.setColorAt(0.45, QColor(214, 34, 28));
            red.setColorAt(1.0, QColor(132, 12, 12));
            p.setPen(Qt::NoPen);
            p.setBrush(red);
            p.drawRoundedRect(block, 1.5, 1.5);
            p.setPen(QPen(QColor(255, 210, 200, 150), 0.8));
            p.drawLine(QPointF(block.left() + 1.5, block.top() + 0.6),
                       QPointF(block.right() - 1.5, block.top() + 0.6));
        }
    }
    p.end();
    return image;
}
