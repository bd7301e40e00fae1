// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A game in progress when the session ends without a question is kept, and offered to be
// continued at the next start.
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <optional>
#include <sstream>

#include "ai/SilentHost.h"
#include "persist/RecoveryFile.h"
#include "persist/RegularFile.h"
#include "persist/SavedGame.h"
#include "persist/Settings.h"
#include "ui/seats/ComputerTurn.h"
#include "ui/window/Form1.h"

namespace reikoboy {

namespace {

QString fingerprint(const std::string& bytes) {
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256).toHex());
}

// A waiting game as the file holds it, judged as opening it would judge it; empty when it is
// no game (it is then removed without a word) or not a regular file.
std::optional<std::string> readWaitingGame(const QString& name, const GameState& now) {
    if (QFileInfo(name).isSymLink()) return std::nullopt;  // never followed: not one of ours
    FileBytes file = readRegularFile(QFile::encodeName(name).toStdString(), kLargestSavedGame);
    if (file.ok()) {
        ai::SilentHost quiet;
        Game trial(quiet, now);
        std::istringstream bytes(file.bytes);
        if (openSavedGame(trial, bytes) == ReadResult::Ok && trial.state().chipsOut < 2 * kChipsPerColour)
            return std::move(file.bytes);
    }
    forgetWaitingGame(name);
    return std::nullopt;
}

}  // namespace

bool Form1::gameInProgress() const { return game_.state().freshGame == 0 || continuedGame_; }

void Form1::settleInterruptedGame(bool mayAsk, bool stay) {
    if (!mayAsk || (agreedToEnd_ && keptForLater_)) {
        // Nobody could be asked, or the close that follows such an end: keep the game as it is.
        // A game whose last chip is out is over, whatever the question about it says.
        if (gameInProgress() && game_.state().chipsOut < 2 * kChipsPerColour) {
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
    sweepRecoveryLeftovers();
    // A game answered earlier whose file could not be removed is not asked about again; the
    // newest of the others is.
    const QStringList answeredBefore = answeredUndeletableGames();
    QStringList stillThere;
    QString name;
    std::string bytes;
    for (const QString& waiting : waitingInterruptedGames()) {
        std::optional<std::string> read = readWaitingGame(waiting, game_.state());
        if (!read) continue;
        const QString print = fingerprint(*read);
        if (answeredBefore.contains(print)) {
            stillThere << print;
            continue;
        }
        if (name.isEmpty()) {
            name = waiting;
            bytes = std::move(*read);
        }
    }
    if (stillThere != answeredBefore) rememberAnsweredUndeletableGames(stillThere);
    if (name.isEmpty()) return;

    const bool droppedInTurn = droppedInTurnWhenKept(name);
    stopComputer();
    ComputerTurn::Hold hold(*computer_);
    QMessageBox question(QMessageBox::Question, gameTitle(),
                         tr("Продолжить прерванную игру?"), QMessageBox::Yes | QMessageBox::No,
                         this);
    question.setObjectName(QStringLiteral("RecoveryQuestion"));
    question.exec();
    // Without an answer (the session ended while asking) the game waits for the next start.
    const bool yes = question.clickedButton() == question.button(QMessageBox::Yes);
    if (!yes && question.clickedButton() != question.button(QMessageBox::No)) return;
    if (yes) {
        std::istringstream in(bytes);
        openSavedGame(game_, in);
        if (droppedInTurn) game_.resumeTurnAfterDrop();
        startedAfresh();         // undo goes back as far as the continued board
        continuedGame_ = true;  // in progress: kept at a signal, asked about at closing
        sync();
    }
    if (!forgetWaitingGame(name)) {
        stillThere << fingerprint(bytes);
        rememberAnsweredUndeletableGames(stillThere);
        QMessageBox::warning(this, gameTitle(),
                             tr("Не удалось удалить прерванную игру «%1»: папка закрыта для "
                                            "записи. Больше она предлагаться не будет.")
                                 .arg(name));
    }
}

}  // namespace reikoboy
