// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The game as a signal finds it in progress: one chip dropped, then the signals taken over
// as the game itself does.
#include <QApplication>
#include <QTest>

#include "ui/Form1.h"
#include "ui/SessionSignals.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Рейкобой"));
    reikoboy::Form1 window;
    window.show();
    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("Command1_3")), Qt::LeftButton);
    reikoboy::endSessionOnSignals(window);
    return app.exec();
}
