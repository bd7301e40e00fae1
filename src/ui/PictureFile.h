// Reading a picture file chosen by the player, recognised by its content and never by its
// extension: JPEG, GIF, BMP/DIB and PNG directly, WMF and EMF through a short-lived helper.
#pragma once

#include <QImage>
#include <QString>

namespace reikoboy {

// A null image when the file is missing or is no picture this program can read.
QImage readPictureFile(const QString& fileName, QSize metafileSize);

}  // namespace reikoboy
