// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Looks over a folder of written pictures and lists everything that is wrong.

#include <QString>
#include <QStringList>

QStringList checkPictures(const QString &folder);
