// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Lays the pictures out as the game window shows them, for previews and help pages.

#include "board_geometry.h"
#include "picture_store.h"

#include <QColor>
#include <array>
#include <vector>

struct PlacedChip {
    bool blue;
    int column;
    int level;
    int alpha = 255; // a faded chip shows where one was a moment ago
};

struct BoardScene {
    QColor background{47, 74, 66};
    QImage backgroundPicture;          // drawn over the colour when present
    std::array<int, board::rails> railShift{}; // in cells, negative is left
    std::vector<PlacedChip> chips;
    int blueStock = 8;
    int redStock = 8;
    int drumPosition = 0;
    std::array<bool, 7> dropButtons{false, true, false, true, false, true, false};
    int pressedShiftLeftRail = -1;
};

BoardScene startScene();

QImage composeBoard(const PictureStore &store, const BoardScene &scene, int scale);

// Draws one picture at logical position and size, picking the right scale's file.
void placePicture(QPainter &p, const PictureStore &store, const QString &name, const QRectF &where, int scale,
                  double opacity = 1.0);
