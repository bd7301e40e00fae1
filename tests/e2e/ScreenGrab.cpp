// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Saves the whole X screen as a PNG, for the end-to-end test's pictures of each stage; or counts
// the coloured pixels of a part of the screen, to tell a page with pictures from plain text.
// Usage: reikoboy-screengrab FILE.png
//        reikoboy-screengrab --coloured X Y WIDTH HEIGHT
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

namespace {

int usage() {
    std::fputs("usage: reikoboy-screengrab FILE.png | --coloured X Y WIDTH HEIGHT\n", stderr);
    return 1;
}

// Text, its antialiasing and the window's greys are all without colour; pictures are not.
long colouredPixels(const QImage& image) {
    long count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QColor colour = image.pixelColor(x, y);
            if (colour.hsvSaturation() > 80 && colour.value() > 60) ++count;
        }
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    bool counting = argc == 6 && std::string_view(argv[1]) == "--coloured";
    if (argc != 2 && !counting) return usage();
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        std::fputs("reikoboy-screengrab: no screen\n", stderr);
        return 1;
    }
    if (counting) {
        QPixmap part = screen->grabWindow(0, std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]),
                                          std::atoi(argv[5]));
        std::printf("%ld\n", colouredPixels(part.toImage()));
        return 0;
    }
    if (!screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fputs("reikoboy-screengrab: no picture of the screen\n", stderr);
        return 1;
    }
    return 0;
}
