// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A board button: a small picture on a button face, its pressed form while held down, and the
// disabled face while disabled. It tells when the mouse moves over it, for the status bar hint.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace reikoboy {

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(QPixmap normal, QPixmap pressed, QPixmap disabled, QWidget* parent);

    // Which face it shows now; for the tests.
    enum class Face { Normal, Pressed, Disabled };
    Face face() const;

signals:
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap normal_, pressed_, disabled_;
};

}  // namespace reikoboy
