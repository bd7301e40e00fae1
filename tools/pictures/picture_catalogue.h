// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Every picture the game ships: its file name, size and how it is drawn.

#include "picture_store.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct PictureEntry {
    QString name;        // file name without ".png"
    QSize size;          // at 1x
    bool twice;          // also drawn natively at 2x as name@2x.png
    std::function<QImage(int scale, const PictureStore &drawnSoFar)> paint;
};

const std::vector<PictureEntry> &pictureCatalogue();

struct BackgroundEntry {
    QString file;
    QByteArrayList formats; // what the ".ris" file may really hold
};

const std::vector<BackgroundEntry> &backgroundCatalogue();

inline constexpr QSize backgroundSize{1268, 816};

PictureStore drawAllPictures();

// Writes the backgrounds into folder/backgrounds; returns the files that failed.
QStringList writeBackgrounds(const QString &folder);
