// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "PictureButton.h"

#include <QMouseEvent>
#include <QPainter>

#include "FocusFrame.h"

namespace reikoboy {

PictureButton::PictureButton(LazyPicture normal, LazyPicture pressed, LazyPicture disabled, QWidget* parent)
    : QAbstractButton(parent),
      normal_(std::move(normal)),
      pressed_(std::move(pressed)),
      disabled_(std::move(disabled)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
}

PictureButton::Face PictureButton::face() const {
    if (!isEnabled()) return Face::Disabled;
    return isDown() ? Face::Pressed : Face::Normal;
}

const QPixmap& PictureButton::facePicture() const {
    switch (face()) {
        case Face::Disabled: return disabled_.get();
        case Face::Pressed: return pressed_.get();
        case Face::Normal: break;
    }
    return normal_.get();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    Face shown = face();
    if (shown == Face::Disabled) {
        const QPixmap& disabled = disabled_.get();
        QSizeF size = disabled.deviceIndependentSize();
        p.drawPixmap(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), disabled);
        return;
    }
    // A soft raised face, sunk while held down.
    bool down = shown == Face::Pressed;
    QLinearGradient face(box.topLeft(), box.bottomLeft());
    face.setColorAt(0, down ? QColor(196, 186, 168) : QColor(250, 244, 230));
    face.setColorAt(1, down ? QColor(226, 218, 200) : QColor(206, 194, 172));
    p.setPen(QPen(QColor(90, 74, 52, 200), 1));
    p.setBrush(face);
    p.drawRoundedRect(box, 5, 5);
    if (hasFocus()) drawFocusFrame(p, box);
    const QPixmap& picture = facePicture();
    QSizeF size = picture.deviceIndependentSize();
    // A picture larger than the face (a pressed form) is squeezed into it, keeping its shape.
    QSizeF fit = size.scaled(QSizeF(width() - 2, height() - 2), Qt::KeepAspectRatio);
    if (fit.width() > size.width()) fit = size;
    QRectF target(QPointF((width() - fit.width()) / 2, (height() - fit.height()) / 2), fit);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(target, picture, QRectF(picture.rect()));
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    emit hovered();
    QAbstractButton::mouseMoveEvent(event);
    event->accept();
}

}  // namespace reikoboy
