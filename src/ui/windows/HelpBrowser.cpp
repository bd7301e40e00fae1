// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/windows/HelpBrowser.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTextDocument>

#include "persist/DataFiles.h"
#include "persist/RegularFile.h"
#include "ui/pictures/PictureFile.h"
#include "ui/start/Language.h"

namespace reikoboy {

namespace {

const QString kEnglishFolder = QStringLiteral("en/");

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent), language(currentLanguage) {}

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

bool HelpBrowser::english() const { return language && language() == QLatin1String("en"); }

bool HelpBrowser::showContents() {
    const QString index = dataFilePath(QStringLiteral("index.htm"));
    if (index.isEmpty()) return false;
    root_ = QFileInfo(index).absolutePath();
    setSource(QUrl::fromLocalFile(twinPage(root_, index, english())));
    return true;
}

QString HelpBrowser::twinPage(const QString& root, const QString& page, bool english) {
    QString relative = QDir(root).relativeFilePath(page);
    if (relative.startsWith(QLatin1String("../")) || QFileInfo(relative).isAbsolute()) return page;
    if (relative.startsWith(kEnglishFolder)) relative = relative.mid(kEnglishFolder.size());
    const QString russian = QDir(root).filePath(relative);
    const QString twin = english ? QDir(root).filePath(kEnglishFolder + relative) : russian;
    if (QFileInfo(twin).isFile()) return twin;
    return QFileInfo(russian).isFile() ? russian : page;
}

void HelpBrowser::changeEvent(QEvent* event) {
    QTextBrowser::changeEvent(event);
    if (event->type() != QEvent::LanguageChange || root_.isEmpty() || !source().isLocalFile()) return;
    const QString page = source().toLocalFile();
    const QString twin = twinPage(root_, page, english());
    if (twin == page) return;
    QUrl url = QUrl::fromLocalFile(twin);
    url.setFragment(source().fragment());  // the same place on the page
    setSource(url);
}

}  // namespace reikoboy
