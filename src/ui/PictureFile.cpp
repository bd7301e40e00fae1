#include "PictureFile.h"

#include <QImageReader>

namespace reikoboy {

QImage readPictureFile(const QString& fileName, QSize /*metafileSize*/) {
    if (fileName.isEmpty()) return {};
    QImageReader reader(fileName);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    return reader.read();
}

}  // namespace reikoboy
