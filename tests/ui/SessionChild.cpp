// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The game as a signal finds it, with the signals taken over as the game itself does:
//   reikoboy-session-child [drop K] [answer yes|no]
// "drop K" drops one chip with Command1_K (3 unless given, as with no arguments at all);
// "answer" answers the offer of an interrupted game and makes no move. It writes
// "ready" on standard output once the signals are the game's.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "ui/Form1.h"
#include "ui/SessionSignals.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Рейкобой"));
    const char* answer = nullptr;
    int column = 3;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "answer") == 0) answer = argv[++i];
        else if (std::strcmp(argv[i], "drop") == 0) column = std::atoi(argv[++i]);
    }
    reikoboy::Form1 window;
    window.show();
    if (answer) {
        const auto button = std::strcmp(answer, "yes") == 0 ? QMessageBox::Yes : QMessageBox::No;
        QTimer answering;
        QObject::connect(&answering, &QTimer::timeout, [button] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(button)->click();
        });
        answering.start(10);
        window.offerInterruptedGame();
    } else {
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("Command1_%1").arg(column)), Qt::LeftButton);
    }
    reikoboy::endSessionOnSignals(window);
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}
