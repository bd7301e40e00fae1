// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The dotted frame a board button shows while it has the keyboard focus, and the pass button,
// a plain push button that shows the same frame.
#pragma once

#include <QPushButton>

class QPainter;

namespace reikoboy {

// Draws the frame just inside `face`, the button's outline.
void drawFocusFrame(QPainter& painter, const QRectF& face);

class PassButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace reikoboy
