// Saves the whole X screen as a PNG, for the end-to-end test's pictures of each stage.
// Usage: reikoboy-screengrab FILE.png
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: reikoboy-screengrab FILE.png\n", stderr);
        return 1;
    }
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fputs("reikoboy-screengrab: no picture of the screen\n", stderr);
        return 1;
    }
    return 0;
}
