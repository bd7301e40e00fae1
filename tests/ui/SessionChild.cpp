// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The game as a signal finds it, with the signals taken over as the game itself does:
//   reikoboy-session-child [drop K] [answer yes|no]
//   reikoboy-session-child geometry
//   reikoboy-session-child language
// "drop K" drops one chip with Command1_K (3 unless given, as with no arguments at all);
// "answer" answers the offer of an interrupted game and makes no move. It writes
// "ready" on standard output once the signals are the game's. "geometry" starts the game as
// the game starts, at the stored scale, writes where each control of the board lies in the
// screen's pixels, one "name x y width height" a line, and ends. "language" chooses the language
// as the game does, from the settings store and the environment, and writes the language, the
// window's title and its first menu's title, one a line, and ends.
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "persist/Settings.h"
#include "ui/start/Language.h"
#include "ui/start/SessionSignals.h"
#include "ui/start/WindowScale.h"
#include "ui/window/Form1.h"

namespace {

int writeGeometry(const QWidget& window) {
    const qreal ratio = window.devicePixelRatioF();
    for (const QWidget* w : window.findChildren<QWidget*>(QRegularExpression("^(Command|Label|Image)"))) {
        const QRect r(w->mapTo(&window, QPoint(0, 0)), w->size());
        std::printf("%s %d %d %d %d\n", qPrintable(w->objectName()), qRound(r.x() * ratio), qRound(r.y() * ratio),
                    qRound(r.width() * ratio), qRound(r.height() * ratio));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool geometry = argc == 2 && std::strcmp(argv[1], "geometry") == 0;
    const bool language = argc == 2 && std::strcmp(argv[1], "language") == 0;
    if (geometry) reikoboy::applyStoredScale();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Рейкобой"));
    if (language) {
        reikoboy::applyLanguage(reikoboy::languageFor(reikoboy::readLanguage()));
        reikoboy::Form1 window;
        std::printf("%s\n%s\n%s\n", qPrintable(reikoboy::currentLanguage()), qPrintable(window.windowTitle()),
                    qPrintable(window.findChild<QMenu*>(QStringLiteral("File"))->title()));
        return 0;
    }
    const char* answer = nullptr;
    int column = 3;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "answer") == 0) answer = argv[++i];
        else if (std::strcmp(argv[i], "drop") == 0) column = std::atoi(argv[++i]);
    }
    reikoboy::Form1 window;
    window.show();
    if (geometry) return writeGeometry(window);
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
