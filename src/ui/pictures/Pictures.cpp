// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/pictures/Pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QResource>
#include <cstdint>
#include <cstring>

namespace reikoboy {

namespace {

// The picture's pixels as the build unpacked them (see tools/unpack-pictures), drawn straight
// from the program's own memory; null when they are not there or not as this machine expects.
QPixmap unpackedPicture(const QString& name) {
    QResource pixels(QStringLiteral(":/unpacked/") + name);
    std::uint32_t header[4];
    if (!pixels.isValid() || pixels.compressionAlgorithm() != QResource::NoCompression ||
        pixels.size() < qint64(sizeof header))
        return {};
    std::memcpy(header, pixels.data(), sizeof header);
    const auto [mark, width, height, bytesPerLine] = header;
    if (mark != 0x52424f59u || width == 0 || height == 0 || bytesPerLine < width * 4 ||
        pixels.size() - qint64(sizeof header) != qint64(bytesPerLine) * height)
        return {};
    return QPixmap::fromImage(QImage(pixels.data() + sizeof header, int(width), int(height), int(bytesPerLine),
                                     QImage::Format_ARGB32_Premultiplied));
}

}  // namespace

QPixmap boardPicture(const QString& name) {
    const QString base = QStringLiteral(":/pictures/") + name;
    if (qApp && qApp->devicePixelRatio() > 1.0 && QFile::exists(base + QStringLiteral("@2x.png"))) {
        QPixmap sharp(base + QStringLiteral("@2x.png"));
        sharp.setDevicePixelRatio(2.0);
        return sharp;
    }
    QPixmap unpacked = unpackedPicture(name);
    return unpacked.isNull() ? QPixmap(base + QStringLiteral(".png")) : unpacked;
}

const QPixmap& LazyPicture::get() const {
    if (!decoded_) {
        if (!name_.isEmpty()) pixmap_ = boardPicture(name_);
        decoded_ = true;
    }
    return pixmap_;
}

}  // namespace reikoboy
