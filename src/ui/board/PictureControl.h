// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A picture on the board (a rail, a chip, the drum), drawn stretched to its size.
// Rails and the drum let the mouse through to the window; chips keep it, so a hint stays.
#pragma once

#include <QWidget>

#include "ui/pictures/Pictures.h"

namespace reikoboy {

class PictureControl : public QWidget {
    Q_OBJECT
public:
    enum class Mouse { PassesThrough, Stops };
    PictureControl(LazyPicture picture, Mouse mouse, QWidget* parent);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_.get(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    LazyPicture picture_;
};

}  // namespace reikoboy
