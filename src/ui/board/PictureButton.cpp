// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/board/PictureButton.h"

#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "ui/board/FocusFrame.h"

namespace reikoboy {

namespace {

// A soft raised face, sunk while held down. Drawn once for each size and state and shared by
// every button: antialiased gradients cost more than the rest of the board's first frame.
const QPixmap& buttonFace(QSize size, qreal ratio, bool down) {
    static QHash<QString, QPixmap> drawn;
    QString key = QStringLiteral("%1x%2@%3%4").arg(size.width()).arg(size.height()).arg(ratio).arg(down);
    auto found = drawn.constFind(key);
    if (found != drawn.constEnd()) return *found;
    QPixmap face(size * ratio);
    face.setDevicePixelRatio(ratio);
    face.fill(Qt::transparent);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, down ? QColor(196, 186, 168) : QColor(250, 244, 230));
    gradient.setColorAt(1, down ? QColor(226, 218, 200) : QColor(206, 194, 172));
    p.setPen(QPen(QColor(90, 74, 52, 200), 1));
    p.setBrush(gradient);
    p.drawRoundedRect(box, 5, 5);
    p.end();
    return *drawn.insert(key, face);
}

}  // namespace

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
    p.drawPixmap(0, 0, buttonFace(size(), devicePixelRatioF(), shown == Face::Pressed));
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
