// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A transparent image that is painted in logical pixels at any scale.

#include <QImage>
#include <QPainter>
#include <QSize>

QImage makeCanvas(QSize logical, int scale);

// Antialiased painter already scaled so callers draw in logical pixels.
void beginLogicalPainter(QPainter &painter, QImage &canvas, int scale);
