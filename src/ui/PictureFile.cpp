#include "PictureFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>

#include "metafile/MetafileKind.h"

namespace reikoboy {

namespace {

constexpr int kMetafileMilliseconds = 3000;
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

// Draws a metafile in the helper process; a helper that fails or takes too long is stopped
// and the picture counts as unreadable.
QImage drawMetafile(const QByteArray& bytes, QSize size) {
    QString helper = metafileHelper();
    if (helper.isEmpty()) return {};
    QProcess process;
    process.start(helper, {QString::number(size.width()), QString::number(size.height())});
    if (!process.waitForStarted(kMetafileMilliseconds)) return {};
    process.write(bytes);
    process.closeWriteChannel();
    if (!process.waitForFinished(kMetafileMilliseconds)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return {};
    QImage picture;
    picture.loadFromData(process.readAllStandardOutput(), "PNG");
    return picture;
}

}  // namespace

QImage readPictureFile(const QString& fileName, QSize metafileSize) {
    if (fileName.isEmpty()) return {};
    QImageReader reader(fileName);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    QImage picture = reader.read();
    if (!picture.isNull()) return picture;

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestMetafile) return {};
    QByteArray bytes = file.readAll();
    if (metafileKind(std::string_view(bytes.constData(), size_t(bytes.size()))) == MetafileKind::None)
        return {};
    return drawMetafile(bytes, metafileSize.isEmpty() ? QSize(634, 408) : metafileSize);
}

}  // namespace reikoboy
