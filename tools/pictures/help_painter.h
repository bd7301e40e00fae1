// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Draws the illustrations of the help pages from the finished game pictures.

#include "picture_store.h"

#include <QImage>

QImage paintHelpBoard(const PictureStore &store);
QImage paintHelpDrop(const PictureStore &store);
QImage paintHelpShift(const PictureStore &store);
QImage paintHelpDrum(const PictureStore &store);
