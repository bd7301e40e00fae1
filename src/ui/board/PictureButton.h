// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A board button: a small picture on a button face, its pressed form while held down, and the
// disabled face while disabled. It tells when the mouse moves over it, for the status bar hint.
#pragma once

#include <QAbstractButton>

#include "ui/pictures/Pictures.h"

namespace reikoboy {

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(LazyPicture normal, LazyPicture pressed, LazyPicture disabled, QWidget* parent);

    // Which face it shows now; for the tests.
    enum class Face { Normal, Pressed, Disabled };
    Face face() const;
    // The picture of that face, decoded now if it was not yet; for the tests.
    const QPixmap& facePicture() const;

signals:
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    LazyPicture normal_, pressed_, disabled_;
};

}  // namespace reikoboy
