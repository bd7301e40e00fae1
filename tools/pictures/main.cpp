// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// reikoboy-pictures: draws every picture of the game into a folder.
//
//   reikoboy-pictures OUTDIR                      draw and write everything
//   reikoboy-pictures OUTDIR --check              check the written pictures
//   reikoboy-pictures OUTDIR --preview FILE.png   lay the written pictures out as a board
//   reikoboy-pictures OUTDIR --contrast           how well the labels read on each background

#include "board_composer.h"
#include "label_contrast.h"
#include "picture_catalogue.h"
#include "picture_check.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream(stderr) << "usage: reikoboy-pictures OUTDIR [--check | --contrast | --preview FILE.png [--background FILE]]\n";
    return 2;
}

int generate(const QString &folder)
{
    QStringList failed;
    drawAllPictures().save(folder, &failed);
    failed << writeBackgrounds(folder);
    for (const QString &file : failed)
        QTextStream(stderr) << "could not write " << file << "\n";
    return failed.isEmpty() ? 0 : 1;
}

int check(const QString &folder)
{
    const QStringList problems = checkPictures(folder);
    for (const QString &problem : problems)
        QTextStream(stderr) << problem << "\n";
    QTextStream(stdout) << (problems.isEmpty() ? "all pictures are fine\n" : "pictures have problems\n");
    return problems.isEmpty() ? 0 : 1;
}

int contrast(const QString &folder)
{
    QTextStream out(stdout);
    out << "contrast of each label colour against the top " << labelStripHeight << " pixels (worst / median)\n";
    for (const BackgroundEntry &entry : backgroundCatalogue()) {
        QImageReader reader(QDir(folder).filePath("backgrounds/" + entry.file));
        reader.setDecideFormatFromContent(true);
        out << entry.file;
        for (const LabelContrast &c : measureLabelStrip(reader.read()))
            out << QString("   %1 %2 / %3").arg(c.label).arg(c.worst, 0, 'f', 2).arg(c.median, 0, 'f', 2);
        out << "\n";
    }
    return 0;
}

// A busy board: chips in openings, a shifted rail, the drum turned.
int preview(const QString &folder, const QString &target, const QString &background, int scale)
{
    PictureStore store;
    store.loadFrom(folder);
    BoardScene scene = startScene();
    if (!background.isEmpty())
        scene.backgroundPicture = QImage(background);
    scene.chips = {{true, 4, 0}, {false, 6, 0}, {true, 8, 0}, {false, 3, 2}, {true, 5, 1}};
    scene.blueStock = 5;
    scene.redStock = 6;
    scene.railShift[3] = 1;
    scene.drumPosition = 1;
    return composeBoard(store, scene, scale).save(target) ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Painting text needs a GUI application, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString folder = args[0];
    if (args.size() == 1)
        return generate(folder);
    if (args[1] == "--check")
        return check(folder);
    if (args[1] == "--contrast")
        return contrast(folder);
    if (args[1] == "--preview" && args.size() >= 3) {
        const int at = args.indexOf("--background");
        const QString background = at > 0 && at + 1 < args.size() ? args[at + 1] : QString();
        const int scale = args.contains("--2x") ? 2 : 1;
        return preview(folder, args[2], background, scale);
    }
    return usage();
}
