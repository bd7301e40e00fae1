// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/windows/HelpBrowser.h"

#include <QFile>
#include <QImage>
#include <QTextDocument>

#include "persist/RegularFile.h"
#include "ui/pictures/PictureFile.h"

namespace reikoboy {

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    bool picture = type == QTextDocument::ImageResource;
    // Given nothing, or a null picture, the document would read the file itself: a refusal
    // is an empty page or a transparent dot instead.
    QImage dot(1, 1, QImage::Format_ARGB32);
    dot.fill(Qt::transparent);
    const QVariant nothing = picture ? QVariant(dot) : QVariant(QByteArray());
    QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() == QLatin1String("qrc")) return QTextBrowser::loadResource(type, url);
    if (!url.isLocalFile()) return nothing;
    FileBytes file = readRegularFile(QFile::encodeName(url.toLocalFile()).toStdString(),
                                     picture ? kLargestPicture : kLargestHelpFile);
    if (!file.ok()) return nothing;
    QByteArray bytes = QByteArray::fromStdString(file.bytes);
    if (!picture) return bytes;
    QImage image = decodeRasterPicture(bytes);
    return image.isNull() ? nothing : QVariant(image);
}

}  // namespace reikoboy
