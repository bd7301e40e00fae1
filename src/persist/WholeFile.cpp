// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>

namespace reikoboy {

namespace {

// The new file gets a short name of its own: the target's name with a suffix, as usual for
// such writes, is over the file system's 255-byte limit when the target's name is near it.
int createBeside(const QByteArray& folder, mode_t mode, QByteArray& created) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        created = folder + "/.reikoboy-" +
                  QByteArray::number(QRandomGenerator::global()->generate64() & 0xFFFFFFFFFFull, 36);
        int fd = ::open(created.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        ssize_t done = ::write(fd, at, size_t(left));
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        at += done;
        left -= done;
    }
    return true;
}

// Writes `bytes` into a new file in `folder` and renames it to `path`; a rename replaces
// whatever name is there, a symbolic link included, and never writes through it.
WriteResult renameNewFileOver(const QByteArray& folder, const QByteArray& path, const QByteArray& bytes,
                              const struct stat* old) {
    QByteArray temporary;
    int fd = createBeside(folder, old ? old->st_mode & 07777 : 0666, temporary);
    if (fd < 0) {
        bool closed = errno == EACCES || errno == EPERM || errno == EROFS;
        return closed ? WriteResult::FolderClosed : WriteResult::Failed;
    }
    // The disk must hold every byte before the rename: a failure seen only afterwards would
    // already have replaced the old file with a short one.
    bool ok = (!old || ::fchmod(fd, old->st_mode & 07777) == 0) && writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temporary.constData(), path.constData()) == 0) return WriteResult::Written;
    ::unlink(temporary.constData());
    return WriteResult::Failed;
}

}  // namespace

WriteResult writeWholeFile(const QString& name, const QByteArray& bytes) {
    QFileInfo target(name);  // follows a symbolic link to what it names
    if (target.exists() && !target.isFile()) return WriteResult::Failed;
    const QString finalName = target.exists() ? target.canonicalFilePath() : target.absoluteFilePath();
    const QByteArray path = QFile::encodeName(finalName);
    const QByteArray folder = QFile::encodeName(QFileInfo(finalName).absolutePath());

    struct stat old {};
    const bool replacing = ::stat(path.constData(), &old) == 0;
    return renameNewFileOver(folder, path, bytes, replacing ? &old : nullptr);
}

WriteResult writeOwnFile(const QString& name, const QByteArray& bytes) {
    const QString absolute = QFileInfo(name).absoluteFilePath();
    return renameNewFileOver(QFile::encodeName(QFileInfo(absolute).absolutePath()), QFile::encodeName(absolute),
                             bytes, nullptr);
}

bool isLeftoverTemporary(const QString& fileName) { return fileName.startsWith(QStringLiteral(".reikoboy-")); }

}  // namespace reikoboy
