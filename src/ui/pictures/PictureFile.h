// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Reading a picture file chosen by the player, recognised by its content and never by its
// extension: JPEG, GIF, BMP/DIB and PNG directly, WMF and EMF through a short-lived helper.
// Only a regular file of a picture's size is read; every other file is no picture.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QProcess;
class QObject;

namespace reikoboy {

// A null image when the file is missing or is no picture this program can read. A metafile
// is waited for (at most a few seconds): use it where the player has just asked for it.
QImage readPictureFile(const QString& fileName, QSize metafileSize);

// The picture's bytes when the file is a picture the game may show, with whether the helper
// must draw them; empty bytes when it is none.
struct PictureBytes {
    QByteArray bytes;
    bool metafile = false;
    QImage decoded;  // the picture itself when it was decoded in the game
};
PictureBytes readPictureBytes(const QString& fileName);

// Decodes a raster picture from memory, with the decoder its first bytes call for only.
QImage decodeRasterPicture(const QByteArray& bytes);

// Starts the helper that draws the metafile `bytes` at `size` as a PNG on its standard
// output, or returns null when there is no helper. The caller owns the process.
QProcess* startMetafileHelper(const QByteArray& bytes, QSize size, QObject* parent);

// The helper's picture once it has finished: null when it failed.
QImage metafileHelperPicture(QProcess& helper);

inline constexpr int kMetafileMilliseconds = 3000;

}  // namespace reikoboy
