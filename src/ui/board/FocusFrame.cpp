// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/board/FocusFrame.h"

#include <QPainter>

namespace reikoboy {

void drawFocusFrame(QPainter& painter, const QRectF& face) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 90, 200, 160), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(face.adjusted(2, 2, -2, -2), 4, 4);
    painter.restore();
}

void PassButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!hasFocus()) return;
    QPainter p(this);
    drawFocusFrame(p, QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace reikoboy
