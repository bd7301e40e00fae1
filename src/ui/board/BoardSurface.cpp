// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/board/BoardSurface.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/pictures/BackgroundLoader.h"

namespace reikoboy {

BoardSurface::BoardSurface(QWidget* parent) : QWidget(parent) {
    setFixedSize(kInnerWidth, kInnerHeight);
    setMouseTracking(true);
    setAutoFillBackground(true);
    loader_ = new BackgroundLoader(this);
    connect(loader_, &BackgroundLoader::loaded, this, &BoardSurface::setBackground);
}

void BoardSurface::showPictureFile(const QString& fileName) { loader_->load(fileName, size()); }

bool BoardSurface::pictureArriving() const { return loader_->busy(); }

void BoardSurface::setBackground(const QImage& picture) {
    if (picture.isNull() || width() <= 0 || height() <= 0) return;
    loader_->cancel();  // an older picture still on its way would cover this one
    // Stretched once, whatever its proportions, so a paint only copies pixels.
    qreal ratio = devicePixelRatioF();
    QImage scaled = picture.scaled(QSize(width(), height()) * ratio, Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
    stretched_ = QPixmap::fromImage(scaled);
    stretched_.setDevicePixelRatio(ratio);
    update();
}

void BoardSurface::paintEvent(QPaintEvent* event) {
    if (stretched_.isNull()) return;
    QPainter p(this);
    p.drawPixmap(event->rect(), stretched_,
                 QRectF(QRectF(event->rect()).topLeft() * stretched_.devicePixelRatio(),
                        QSizeF(event->rect().size()) * stretched_.devicePixelRatio()));
}

void BoardSurface::mouseMoveEvent(QMouseEvent* event) {
    emit bareSurfaceHovered();
    event->accept();
}

}  // namespace reikoboy
