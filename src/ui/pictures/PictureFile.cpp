// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/pictures/PictureFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <memory>

#include "persist/RegularFile.h"
#include "ui/pictures/PictureGate.h"

namespace reikoboy {

namespace {

constexpr qint64 kLargestMetafile = 32 << 20;

// The helper lies beside the game in the build, and in its own folder once installed.
QString metafileHelper() {
    QDir here(QCoreApplication::applicationDirPath());
    for (QString candidate : {here.filePath(QStringLiteral("reikoboy-metafile")),
                              here.filePath(QStringLiteral(REIKOBOY_HELPER_FROM_BIN "/reikoboy-metafile"))}) {
        if (QFileInfo(candidate).isExecutable()) return candidate;
    }
    return {};
}

QSize helperSize(QSize size) { return size.isEmpty() ? QSize(634, 408) : size; }

}  // namespace

QImage decodeRasterPicture(const QByteArray& bytes) {
    PictureGate gate = choosePictureRoute(std::string_view(bytes.constData(), size_t(bytes.size())));
    if (gate.route != PictureRoute::Decode) return {};
    if (!pictureIsWhole(std::string_view(bytes.constData(), size_t(bytes.size())), gate.format)) return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, gate.format);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(true);
    return reader.read();
}

PictureBytes readPictureBytes(const QString& fileName) {
    if (fileName.isEmpty()) return {};
    FileBytes file = readRegularFile(QFile::encodeName(fileName).toStdString(), kLargestPicture);
    if (!file.ok()) return {};
    PictureGate gate = choosePictureRoute(file.bytes);
    PictureBytes picture;
    if (gate.route == PictureRoute::Metafile && qint64(file.bytes.size()) <= kLargestMetafile) {
        picture.bytes = QByteArray::fromStdString(file.bytes);
        picture.metafile = true;
    } else if (gate.route == PictureRoute::Decode) {
        picture.bytes = QByteArray::fromStdString(file.bytes);
        picture.decoded = decodeRasterPicture(picture.bytes);
        if (picture.decoded.isNull()) picture.bytes.clear();
    }
    return picture;
}

QProcess* startMetafileHelper(const QByteArray& bytes, QSize size, QObject* parent) {
    QString helper = metafileHelper();
    if (helper.isEmpty()) return nullptr;
    size = helperSize(size);
    auto* process = new QProcess(parent);
    process->setProgram(helper);
    process->setArguments({QString::number(size.width()), QString::number(size.height())});
    QObject::connect(process, &QProcess::started, process, [process, bytes] {
        process->write(bytes);
        process->closeWriteChannel();
    });
    process->start();
    return process;
}

QImage metafileHelperPicture(QProcess& helper) {
    if (helper.exitStatus() != QProcess::NormalExit || helper.exitCode() != 0) return {};
    QImage picture;
    picture.loadFromData(helper.readAllStandardOutput(), "PNG");
    return picture;
}

QImage readPictureFile(const QString& fileName, QSize metafileSize) {
    PictureBytes picture = readPictureBytes(fileName);
    if (!picture.metafile) return picture.decoded;
    // A helper that fails or takes too long is stopped and the picture counts as unreadable.
    QProcess* helper = startMetafileHelper(picture.bytes, metafileSize, nullptr);
    if (!helper) return {};
    std::unique_ptr<QProcess> owned(helper);
    if (!helper->waitForFinished(kMetafileMilliseconds)) {
        helper->kill();
        helper->waitForFinished(1000);
        return {};
    }
    return metafileHelperPicture(*helper);
}

}  // namespace reikoboy
