// Рейкобой: a board game for two players at one computer.
#include <QApplication>

#include "ui/Form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Рейкобой"));
    reikoboy::Form1 window;
    window.show();
    return app.exec();
}
