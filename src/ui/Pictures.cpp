// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Pictures.h"

#include <QFile>
#include <QGuiApplication>

namespace reikoboy {

QPixmap boardPicture(const QString& name) {
    const QString base = QStringLiteral(":/pictures/") + name;
    if (qApp && qApp->devicePixelRatio() > 1.0 && QFile::exists(base + QStringLiteral("@2x.png"))) {
        QPixmap sharp(base + QStringLiteral("@2x.png"));
        sharp.setDevicePixelRatio(2.0);
        return sharp;
    }
    return QPixmap(base + QStringLiteral(".png"));
}

const QPixmap& LazyPicture::get() const {
    if (!decoded_) {
        if (!name_.isEmpty()) pixmap_ = boardPicture(name_);
        decoded_ = true;
    }
    return pixmap_;
}

}  // namespace reikoboy
