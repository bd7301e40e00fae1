// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "picture_check.h"

#include "board_geometry.h"
#include "cursor_painter.h"
#include "label_contrast.h"
#include "picture_catalogue.h"

#include <QDir>
#include <QImageReader>

namespace {

QImage load(const QString &folder, const QString &file, QStringList &problems)
{
    const QImage image(QDir(folder).filePath(file));
    if (image.isNull())
        problems << file + ": missing or unreadable";
    return image;
}

void checkSizes(const QString &folder, QStringList &problems)
{
    for (const PictureEntry &entry : pictureCatalogue()) {
        for (int scale : {1, 2}) {
            if (scale == 2 && !entry.twice)
                continue;
            const QString file = PictureStore::fileName(entry.name, scale);
            const QImage image = load(folder, file, problems);
            if (!image.isNull() && image.size() != entry.size * scale)
                problems << QString("%1: %2x%3, expected %4x%5")
                                .arg(file)
                                .arg(image.width())
                                .arg(image.height())
                                .arg(entry.size.width() * scale)
                                .arg(entry.size.height() * scale);
        }
    }
}

// Sample each cell's centre below the rod: holes are see-through, solid wood is opaque.
void checkRailHoles(const QString &folder, QStringList &problems)
{
    const std::pair<const char *, const board::Pattern *> rails[] = {
        {"rail0", &board::pattern0}, {"rail1", &board::pattern1},
        {"rail24", &board::pattern24}, {"rail35", &board::pattern35}};
    for (const auto &[name, pattern] : rails) {
        for (int scale : {1, 2}) {
            const QString file = PictureStore::fileName(name, scale);
            const QImage image = load(folder, file, problems);
            if (image.isNull())
                continue;
            for (int c = 0; c < board::columns; ++c) {
                for (int y : {18, 26, 32}) {
                    const QColor pixel = image.pixelColor((c * board::cell + board::cell / 2) * scale, y * scale);
                    const bool looksSolid = pixel.alpha() > 240 && pixel.lightness() > 70;
                    if (looksSolid != bool((*pattern)[c]))
                        problems << QString("%1: column %2 at y %3 should be %4")
                                        .arg(file)
                                        .arg(c)
                                        .arg(y)
                                        .arg((*pattern)[c] ? "solid" : "a hole");
                }
            }
        }
    }
}

void checkOpaque(const QString &folder, const QString &file, QStringList &problems)
{
    const QImage image = load(folder, file, problems);
    if (!image.isNull() && image.hasAlphaChannel()) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).alpha() != 255) {
                    problems << file + ": not opaque";
                    return;
                }
    }
}

// The cursor must be pure black, white or clear, with its outline right at the hot spot.
void checkCursor(const QString &folder, QStringList &problems)
{
    const QImage cursor = load(folder, "mail_cursor.png", problems);
    if (cursor.isNull())
        return;
    for (int y = 0; y < cursor.height(); ++y)
        for (int x = 0; x < cursor.width(); ++x) {
            const QColor c = cursor.pixelColor(x, y);
            const bool clear = c.alpha() == 0;
            const bool ink = c.alpha() == 255 && (c.rgb() == qRgb(0, 0, 0) || c.rgb() == qRgb(255, 255, 255));
            if (!clear && !ink) {
                problems << QString("mail_cursor.png: pixel %1,%2 is neither black, white nor clear").arg(x).arg(y);
                return;
            }
        }
    const QColor tip = cursor.pixelColor(mailCursorHotSpot);
    if (tip.alpha() != 255 || tip.rgb() != qRgb(0, 0, 0))
        problems << "mail_cursor.png: the hot spot is not on the black fingertip";
    const QColor above = cursor.pixelColor(mailCursorHotSpot - QPoint(0, 2));
    if (above.alpha() != 0)
        problems << "mail_cursor.png: something sticks out above the fingertip";
}

void checkBackgrounds(const QString &folder, QStringList &problems)
{
    const QString dir = QDir(folder).filePath("backgrounds");
    for (const BackgroundEntry &entry : backgroundCatalogue()) {
        QImageReader reader(QDir(dir).filePath(entry.file));
        reader.setDecideFormatFromContent(true);
        const QByteArray format = reader.format(); // must be asked before reading
        const QImage image = reader.read();
        if (image.isNull()) {
            problems << entry.file + ": unreadable";
            continue;
        }
        if (!entry.formats.contains(format))
            problems << entry.file + ": holds " + QString::fromLatin1(format);
        if (image.width() < board::windowWidth || image.height() < board::windowHeight)
            problems << entry.file + ": smaller than the window";
        for (const LabelContrast &c : measureLabelStrip(image))
            if (c.worst < minimumLabelContrast)
                problems << entry.file + QString(": %1 labels read poorly at the top (%2:1)").arg(c.label).arg(c.worst, 0, 'f', 2);
    }
}

} // namespace

QStringList checkPictures(const QString &folder)
{
    QStringList problems;
    checkSizes(folder, problems);
    checkRailHoles(folder, problems);
    for (const char *drum : {"drum0.png", "drum1.png", "drum2.png", "drum0@2x.png", "drum1@2x.png", "drum2@2x.png"})
        checkOpaque(folder, drum, problems);
    checkCursor(folder, problems);
    checkBackgrounds(folder, problems);
    return problems;
}
