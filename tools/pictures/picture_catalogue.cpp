// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "picture_catalogue.h"

#include "about_painter.h"
#include "arrow_painter.h"
#include "background_painter.h"
#include "board_geometry.h"
#include "chip_painter.h"
#include "cursor_painter.h"
#include "drum_painter.h"
#include "help_painter.h"
#include "icon_painter.h"
#include "padlock_painter.h"
#include "rail_painter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

PictureEntry arrow(const QString &name, QSize size, ArrowDirection direction, bool pressed)
{
    return {name, size, true, [=](int scale, const PictureStore &) {
                return paintArrow(direction, size, pressed, scale);
            }};
}

PictureEntry rail(const QString &name, const board::Pattern &pattern, unsigned seed)
{
    return {name, QSize(520, 40), true, [&pattern, seed](int scale, const PictureStore &) {
                return paintRail(pattern, scale, seed);
            }};
}

PictureEntry icon(int pixels)
{
    const QString name = pixels == 32 ? QString("icon") : QString("icon_%1").arg(pixels);
    return {name, QSize(pixels, pixels), false, [pixels](int, const PictureStore &) { return paintIcon(pixels); }};
}

PictureEntry help(const QString &name, QSize size, QImage (*paint)(const PictureStore &))
{
    return {name, size, false, [paint](int, const PictureStore &store) { return paint(store); }};
}

std::vector<PictureEntry> buildCatalogue()
{
    using D = ArrowDirection;
    std::vector<PictureEntry> all{
        arrow("drop", {30, 26}, D::Down, false),
        arrow("drop_pressed", {30, 31}, D::Down, true),
        arrow("drum_up", {29, 26}, D::Up, false),
        arrow("drum_up_pressed", {29, 31}, D::Up, true),
        arrow("shift_left", {26, 29}, D::Left, false),
        arrow("shift_left_pressed", {31, 29}, D::Left, true),
        arrow("shift_right", {26, 29}, D::Right, false),
        arrow("shift_right_pressed", {31, 29}, D::Right, true),
        {"disabled", {32, 32}, true, [](int scale, const PictureStore &) { return paintPadlock(scale); }},
        {"chip_blue", {23, 23}, true, [](int scale, const PictureStore &) { return paintChip(blueChip(), scale); }},
        {"chip_red", {23, 23}, true, [](int scale, const PictureStore &) { return paintChip(redChip(), scale); }},
        rail("rail0", board::pattern0, 101),
        rail("rail1", board::pattern1, 202),
        rail("rail24", board::pattern24, 303),
        rail("rail35", board::pattern35, 404),
        {"about_rails", {211, 96}, true, [](int scale, const PictureStore &) { return paintAboutRails(scale); }},
        {"mail_cursor", {32, 32}, false, [](int, const PictureStore &) { return paintMailCursor(); }},
    };
    for (int position = 0; position < 3; ++position)
        all.push_back({QString("drum%1").arg(position), QSize(board::drumWidth, board::drumHeight), true,
                       [position](int scale, const PictureStore &) { return paintDrum(position, scale); }});
    for (int pixels : {16, 24, 32, 48, 64, 128, 256})
        all.push_back(icon(pixels));
    // The help pictures are made from the pictures above, so they come last.
    all.push_back(help("help_board", {board::windowWidth, board::windowHeight}, paintHelpBoard));
    all.push_back(help("help_drop", {272, 208}, paintHelpDrop));
    all.push_back(help("help_shift", {316, 296}, paintHelpShift));
    all.push_back(help("help_drum", {304, 240}, paintHelpDrum));
    return all;
}

// Qt cannot write GIF, so a PNG is handed to ImageMagick; without it the picture goes out as BMP.
bool writeAsGif(const QImage &image, const QString &target)
{
    const QString convert = QStandardPaths::findExecutable("convert");
    if (convert.isEmpty())
        return false;
    const QString temporary = target + ".tmp.png";
    if (!image.save(temporary, "PNG"))
        return false;
    const int status = QProcess::execute(convert, {temporary, "-dither", "FloydSteinberg", "-colors", "128",
                                                   "gif:" + target});
    QFile::remove(temporary);
    return status == 0;
}

} // namespace

const std::vector<PictureEntry> &pictureCatalogue()
{
    static const std::vector<PictureEntry> all = buildCatalogue();
    return all;
}

const std::vector<BackgroundEntry> &backgroundCatalogue()
{
    static const std::vector<BackgroundEntry> all{
        {"wood.ris", {"jpeg"}}, {"felt.ris", {"png"}}, {"night.ris", {"gif", "bmp"}}};
    return all;
}

PictureStore drawAllPictures()
{
    PictureStore store;
    for (const PictureEntry &entry : pictureCatalogue())
        store.put(entry.name, entry.paint(1, store), entry.twice ? entry.paint(2, store) : QImage());
    return store;
}

QStringList writeBackgrounds(const QString &folder)
{
    const QString dir = QDir(folder).filePath("backgrounds");
    QDir().mkpath(dir);
    QStringList failed;
    if (!paintWoodTable(backgroundSize).save(QDir(dir).filePath("wood.ris"), "JPEG", 86))
        failed << "wood.ris";
    if (!paintGreenBaize(backgroundSize).save(QDir(dir).filePath("felt.ris"), "PNG"))
        failed << "felt.ris";
    const QImage night = paintStarryEvening(backgroundSize);
    const QString nightFile = QDir(dir).filePath("night.ris");
    if (!writeAsGif(night, nightFile) && !night.save(nightFile, "BMP"))
        failed << "night.ris";
    return failed;
}
