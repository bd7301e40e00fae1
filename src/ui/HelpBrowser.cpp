// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "HelpBrowser.h"

#include <QFile>
#include <QImage>
#include <QTextDocument>

#include "PictureFile.h"
#include "persist/RegularFile.h"

namespace reikoboy {

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() == QLatin1String("qrc")) return QTextBrowser::loadResource(type, url);
    if (!url.isLocalFile()) return {};
    bool picture = type == QTextDocument::ImageResource;
    FileBytes file = readRegularFile(QFile::encodeName(url.toLocalFile()).toStdString(),
                                     picture ? kLargestPicture : kLargestHelpFile);
    if (!file.ok()) return {};
    QByteArray bytes = QByteArray::fromStdString(file.bytes);
    if (!picture) return bytes;
    QImage image = decodeRasterPicture(bytes);
    return image.isNull() ? QVariant() : QVariant(image);
}

}  // namespace reikoboy
