// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace reikoboy {

QString installedDataFolder() {
    QDir folder(QCoreApplication::applicationDirPath());
    if (!folder.cd(QStringLiteral(REIKOBOY_DATA_FROM_BIN))) return {};
    return folder.absolutePath();
}

namespace {

template <typename Wanted>
QString findData(const QString& name, Wanted wanted) {
    QFileInfo here(QDir::current(), name);
    if (wanted(here)) return here.absoluteFilePath();
    QString installed = installedDataFolder();
    if (installed.isEmpty()) return {};
    QFileInfo there(QDir(installed), name);
    return wanted(there) ? there.absoluteFilePath() : QString();
}

}  // namespace

QString dataFilePath(const QString& name) {
    return findData(name, [](const QFileInfo& info) { return info.isFile(); });
}

QString dataFolderPath(const QString& name) {
    return findData(name, [](const QFileInfo& info) { return info.isDir(); });
}

}  // namespace reikoboy
