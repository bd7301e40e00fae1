// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Writes each PNG given as the pixels the window draws: premultiplied ARGB32 after a header of
// four 32-bit words (a mark, width, height, bytes per line) in this machine's byte order, so the
// game only has to point a QImage at them instead of decoding at start-up.
// Usage: unpack-pictures OUT_DIR PICTURE.png...  (writes OUT_DIR/PICTURE, without extension)
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <cstdint>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: unpack-pictures OUT_DIR PICTURE.png...\n");
        return 1;
    }
    const QDir out(QFile::decodeName(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const QString source = QFile::decodeName(argv[i]);
        QImage image(source);
        if (image.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
        const std::uint32_t header[4] = {0x52424f59u, std::uint32_t(image.width()), std::uint32_t(image.height()),
                                         std::uint32_t(image.bytesPerLine())};
        QFile file(out.filePath(QFileInfo(source).completeBaseName()));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(header), sizeof header) != sizeof header ||
            file.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) != image.sizeInBytes()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
