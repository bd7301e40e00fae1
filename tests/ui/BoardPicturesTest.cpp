// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The board's pictures are decoded only when first shown, from pixels unpacked by the build:
// each face, decoded late, is still the right picture, pixel for pixel the drawing's PNG.
#include <QDir>

#include "UiTestSupport.h"
#include "ui/board/PictureButton.h"
#include "ui/board/PictureControl.h"
#include "ui/pictures/Pictures.h"

namespace reikoboy::testing {
namespace {

bool same(const QPixmap& shown, const QString& name) {
    return !shown.isNull() && shown.toImage() == boardPicture(name).toImage();
}

TEST(BoardPicturesTest, EveryFaceShowsItsOwnPictureWhenFirstNeeded) {
    storeSettings({}, {});
    Form1 w;
    struct Expected { QString button, normal; bool disables; };
    const Expected buttons[] = {{"Command1_0", "drop", false}, {"Command2_3", "shift_left", true},
                                {"Command3_5", "shift_right", true}, {"Command4_0", "drum_up", true},
                                {"Command4_1", "drop", true}};
    for (const Expected& e : buttons) {
        auto* b = control<PictureButton>(w, e.button);
        b->setEnabled(true);
        b->setDown(true);
        EXPECT_TRUE(same(b->facePicture(), e.normal + "_pressed")) << e.button.toStdString();
        b->setDown(false);
        EXPECT_TRUE(same(b->facePicture(), e.normal)) << e.button.toStdString();
        b->setEnabled(false);
        if (e.disables)
            EXPECT_TRUE(same(b->facePicture(), "disabled")) << e.button.toStdString();
        else
            EXPECT_TRUE(b->facePicture().isNull()) << e.button.toStdString();
    }
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(same(control<PictureControl>(w, QString("Image4_%1").arg(k))->picture(),
                         QString("drum%1").arg(k)));
    EXPECT_TRUE(same(control<PictureControl>(w, "Image1_4")->picture(), "rail24"));
}

TEST(BoardPicturesTest, UnpackedPicturesAreTheirDrawingsPixelForPixel) {
    const QStringList unpacked = QDir(QStringLiteral(":/unpacked")).entryList();
    EXPECT_GE(unpacked.size(), 20);
    for (const QString& name : unpacked) {
        QImage drawn(QStringLiteral(":/pictures/%1.png").arg(name));
        ASSERT_FALSE(drawn.isNull()) << name.toStdString();
        drawn.convertTo(QImage::Format_ARGB32_Premultiplied);
        const QImage shown = boardPicture(name).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(shown, drawn) << name.toStdString();
    }
}

}  // namespace
}  // namespace reikoboy::testing
