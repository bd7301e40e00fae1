// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/board/PictureControl.h"

#include <QMouseEvent>
#include <QPainter>

namespace reikoboy {

PictureControl::PictureControl(LazyPicture picture, Mouse mouse, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {
    setAttribute(Qt::WA_TransparentForMouseEvents, mouse == Mouse::PassesThrough);
    setMouseTracking(mouse == Mouse::Stops);
}

void PictureControl::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PictureControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), picture_.get());
}

void PictureControl::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

}  // namespace reikoboy
