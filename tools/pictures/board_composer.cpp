// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "board_composer.h"

#include "canvas.h"

namespace {

QString railName(int rail)
{
    switch (rail) {
    case 0: return "rail0";
    case 1: return "rail1";
    case 2:
    case 4: return "rail24";
    default: return "rail35";
    }
}

// Button pictures sit centred in their 33 x 33 buttons.
void placeButton(QPainter &p, const PictureStore &store, const QString &name, QPointF corner, int scale)
{
    const QSize size = store.get(name, 1).size();
    const QPointF offset((board::buttonSize - size.width()) / 2.0, (board::buttonSize - size.height()) / 2.0);
    placePicture(p, store, name, QRectF(corner + offset, QSizeF(size)), scale);
}

QRectF chipRect(double x, double y)
{
    return QRectF(x, y, board::chipSize, board::chipSize);
}

} // namespace

BoardScene startScene()
{
    return BoardScene();
}

void placePicture(QPainter &p, const PictureStore &store, const QString &name, const QRectF &where, int scale,
                  double opacity)
{
    p.save();
    p.setOpacity(opacity);
    p.drawImage(where, store.get(name, scale));
    p.restore();
}

QImage composeBoard(const PictureStore &store, const BoardScene &scene, int scale)
{
    QImage image = makeCanvas(QSize(board::windowWidth, board::windowHeight), scale);
    QPainter p;
    beginLogicalPainter(p, image, scale);
    const QRectF window(0, 0, board::windowWidth, board::windowHeight);
    p.fillRect(window, scene.background);
    if (!scene.backgroundPicture.isNull())
        p.drawImage(window, scene.backgroundPicture);

    for (int i = 0; i < scene.blueStock; ++i)
        placePicture(p, store, "chip_blue", chipRect(176 - 24 * i, 0), scale);
    for (int i = 0; i < scene.redStock; ++i)
        placePicture(p, store, "chip_red", chipRect(440 + 24 * i, 0), scale);

    for (int k = 0; k < 7; ++k) {
        if (scene.dropButtons[k])
            placeButton(p, store, "drop", QPointF(180 + 40 * k, 40), scale);
    }

    for (int r = 0; r < board::rails; ++r) {
        const double x = board::railLeft + board::cell * scene.railShift[r];
        placePicture(p, store, railName(r),
                     QRectF(x, board::railY(r), board::columns * board::cell, board::railShownHeight), scale);
        placeButton(p, store, r == scene.pressedShiftLeftRail ? "shift_left_pressed" : "shift_left",
                    QPointF(8, board::railY(r)), scale);
        placeButton(p, store, "shift_right", QPointF(592, board::railY(r)), scale);
    }

    for (const PlacedChip &chip : scene.chips)
        placePicture(p, store, chip.blue ? "chip_blue" : "chip_red",
                     chipRect(board::chipX(chip.column), board::chipY(chip.level)), scale, chip.alpha / 255.0);

    placePicture(p, store, QString("drum%1").arg(scene.drumPosition),
                 QRectF(board::drumX, board::drumY, board::drumWidth, board::drumHeight), scale);
    placeButton(p, store, "drum_up", QPointF(464, 320), scale);
    placeButton(p, store, "drop", QPointF(464, 352), scale);
    placeButton(p, store, "drum_up", QPointF(136, 320), scale);
    placeButton(p, store, "drop", QPointF(136, 352), scale);
    p.end();
    return image;
}
