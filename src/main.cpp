// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Рейкобой: a board game for two players at one computer.
#include <QApplication>
#include <QTimer>
#include <unistd.h>

#include "persist/Settings.h"
#include "ui/start/FirstFrame.h"
#include "ui/start/Language.h"
#include "ui/start/LeanStyle.h"
#include "ui/start/SessionSignals.h"
#include "ui/start/WindowScale.h"
#include "ui/window/Form1.h"

int main(int argc, char** argv) {
    reikoboy::applyStoredScale();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Рейкобой"));
    QApplication::setStyle(new reikoboy::LeanStyle);
    // The game speaks Russian, or the language chosen or the desktop's, and so do Qt's own
    // buttons and file dialogs in it.
    reikoboy::applyLanguage(reikoboy::languageFor(reikoboy::readLanguage()));
    reikoboy::Form1 window;
    reikoboy::endSessionOnSignals(window);
    // For bench/startup_instructions.sh: leave as soon as the first frame is shown and the
    // event loop has nothing left to do, counting nothing of the way out.
    if (qEnvironmentVariableIsSet("REIKOBOY_EXIT_AFTER_FIRST_FRAME"))
        reikoboy::afterFirstFrame(&window, &window, [] { QTimer::singleShot(0, [] { ::_exit(0); }); });
    window.show();
    // Asked from the running event loop, which a signal arriving during the question can end.
    QTimer::singleShot(0, &window, &reikoboy::Form1::offerInterruptedGame);
    return app.exec();
}
