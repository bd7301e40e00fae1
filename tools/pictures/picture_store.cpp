// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "picture_store.h"

#include <QDir>
#include <QFileInfo>

QString PictureStore::fileName(const QString &name, int scale)
{
    return scale == 2 ? name + "@2x.png" : name + ".png";
}

void PictureStore::put(const QString &name, const QImage &single, const QImage &twice)
{
    files_.insert(fileName(name, 1), single);
    if (!twice.isNull())
        files_.insert(fileName(name, 2), twice);
}

QImage PictureStore::get(const QString &name, int scale) const
{
    const QImage wanted = files_.value(fileName(name, scale));
    return wanted.isNull() ? files_.value(fileName(name, 1)) : wanted;
}

bool PictureStore::save(const QString &folder, QStringList *failed) const
{
    QDir().mkpath(folder);
    for (auto it = files_.cbegin(); it != files_.cend(); ++it) {
        if (!it.value().save(QDir(folder).filePath(it.key()), "PNG"))
            failed->append(it.key());
    }
    return failed->isEmpty();
}

void PictureStore::loadFrom(const QString &folder)
{
    const QDir dir(folder);
    for (const QFileInfo &file : dir.entryInfoList({"*.png"}, QDir::Files))
        files_.insert(file.fileName(), QImage(file.filePath()));
}
