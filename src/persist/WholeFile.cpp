// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "WholeFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace reikoboy {

bool writeWholeFile(const QString& name, const QByteArray& bytes) {
    QFileInfo target(name);  // follows a symbolic link to what it names
    if (target.exists() && !target.isFile()) return false;
    QSaveFile file(name);
    // Unbuffered, every write reaches the disk here and its failure is seen here: a buffered
    // write that fails only inside commit() would still rename the short file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace reikoboy
