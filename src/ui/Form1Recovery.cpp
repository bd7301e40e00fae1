// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A game in progress when the session ends without a question is kept, and offered to be
// continued at the next start.
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <sstream>

#include "ComputerTurn.h"
#include "Form1.h"
#include "ai/SilentHost.h"
#include "persist/RecoveryFile.h"
#include "persist/RegularFile.h"
#include "persist/SavedGame.h"

namespace reikoboy {

void Form1::settleInterruptedGame(bool mayAsk, bool stay) {
    if (!mayAsk || (agreedToEnd_ && keptForLater_)) {
        // Nobody could be asked, or the close that follows such an end: keep the game as it is.
        if (game_.state().freshGame == 0) {
            stopComputer();  // a move it finished later would be missing from the file
            keptForLater_ = keepInterruptedGame(game_.state()) || keptForLater_;
        } else if (keptForLater_) {
            forgetInterruptedGame();
            keptForLater_ = false;
        }
    } else if (!agreedToEnd_ && !stay && keptForLater_) {
        forgetInterruptedGame();  // the players have now decided about the game themselves
        keptForLater_ = false;
    }
}

void Form1::offerInterruptedGame() {
    const QString name = recoveryFileName();
    if (name.isEmpty()) return;
    const FileBytes file = readRegularFile(QFile::encodeName(name).toStdString(), kLargestSavedGame);
    if (file.status == FileBytes::CannotOpen && !QFile::exists(name)) return;  // nothing waits
    // Judged as opening it would judge it, before the players are asked.
    ai::SilentHost quiet;
    Game trial(quiet, game_.state());
    std::istringstream trialBytes(file.bytes);
    if (!file.ok() || openSavedGame(trial, trialBytes) != ReadResult::Ok) {
        forgetInterruptedGame();
        return;
    }
    stopComputer();
    ComputerTurn::Hold hold(*computer_);
    QMessageBox question(QMessageBox::Question, QString::fromUtf8(kWindowTitle),
                         QStringLiteral("Продолжить прерванную игру?"), QMessageBox::Yes | QMessageBox::No,
                         this);
    question.setObjectName(QStringLiteral("RecoveryQuestion"));
    question.exec();
    // Without an answer (the session ended while asking) the game waits for the next start.
    if (question.clickedButton() == question.button(QMessageBox::Yes)) {
        std::istringstream bytes(file.bytes);
        openSavedGame(game_, bytes);
        sync();
        forgetInterruptedGame();
    } else if (question.clickedButton() == question.button(QMessageBox::No)) {
        forgetInterruptedGame();
    }
}

}  // namespace reikoboy
