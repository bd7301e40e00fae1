// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Holds drawn pictures by file name, writes them out and reads them back.

#include <QImage>
#include <QMap>
#include <QString>

class PictureStore {
public:
    // Adds name.png, and name@2x.png when a double-size picture is given.
    void put(const QString &name, const QImage &single, const QImage &twice = QImage());

    // The picture for a scale: the @2x one at scale 2, the plain one otherwise.
    QImage get(const QString &name, int scale = 1) const;

    bool save(const QString &folder, QStringList *failed) const;
    void loadFrom(const QString &folder);

    static QString fileName(const QString &name, int scale);

private:
    QMap<QString, QImage> files_;
};
