// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// How games end beyond the rules' own end: giving up, the statistics of results, and the
// record of the game beside the board.
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <algorithm>

#include "persist/Statistics.h"
#include "ui/board/MoveHint.h"
#include "ui/seats/ComputerTurn.h"
#include "ui/window/Form1.h"
#include "ui/windows/GameRecordWindow.h"
#include "ui/windows/StatisticsWindow.h"

namespace reikoboy {

namespace {

ResultRow rowOfLevel(ai::Level level) {
    switch (level) {
        case ai::Level::Novice: return ResultRow::Novice;
        case ai::Level::Amateur: return ResultRow::Amateur;
        case ai::Level::Master: return ResultRow::Master;
    }
    return ResultRow::Amateur;
}

QString colourPlural(int colour) {
    return colour == kBlue ? QCoreApplication::translate("reikoboy::Form1", "Синие")
                           : QCoreApplication::translate("reikoboy::Form1", "Красные");
}

}  // namespace

void Form1::buildResultCommands() {
    QMenu* moves = menuBar()->findChild<QMenu*>(QStringLiteral("Moves"));
    moves->addSeparator()->setObjectName(QStringLiteral("s7"));
    recordAction_ = translatedAction(moves, QT_TR_NOOP("&Запись игры"));
    recordAction_->setObjectName(QStringLiteral("Record"));
    recordAction_->setShortcut(QKeySequence(Qt::Key_F6));
    recordAction_->setCheckable(true);
    connect(recordAction_, &QAction::toggled, this, &Form1::showRecord);
    QAction* statistics = translatedAction(moves, QT_TR_NOOP("&Статистика..."));
    statistics->setObjectName(QStringLiteral("Statistics"));
    connect(statistics, &QAction::triggered, this, [this] {
        StatisticsWindow window(this);
        window.exec();
    });
    giveUpAction_ = translatedAction(moves, QT_TR_NOOP("С&даться"));
    giveUpAction_->setObjectName(QStringLiteral("GiveUp"));
    connect(giveUpAction_, &QAction::triggered, this, &Form1::giveUp);
}

void Form1::syncResultCommands() {
    const GameState& s = game_.state();
    const bool mayGiveUp = !surrendered_ && !s.animating() && s.chipsOut < 2 * kChipsPerColour;
    if (giveUpAction_->isEnabled() != mayGiveUp) giveUpAction_->setEnabled(mayGiveUp);
    if (surrendered_ && hintAction_->isEnabled()) hintAction_->setEnabled(false);  // nothing left to hint
    if (record_) record_->follow(history_, s);
}

void Form1::showRecord(bool shown) {
    if (!shown) {
        if (record_) record_->hide();
        return;
    }
    if (!record_) {
        record_ = new GameRecordWindow(this);
        connect(record_, &QDialog::finished, recordAction_, [this] { recordAction_->setChecked(false); });
    }
    // Beside the board, where it covers nothing of it.
    record_->move(frameGeometry().topRight() + QPoint(4, 0));
    record_->show();
    record_->follow(history_, game_.state());
}

void Form1::startedAfresh() {
    history_.clear();
    continuedGame_ = false;
    surrendered_ = false;
    resultCounted_ = false;
    redosWaiting_ = 0;
    computer_->setColour(computerColour(opponent_));
    setHint(QString());  // what the status bar said was about the game before
}

void Form1::countGameResult(int winner) {
    if (resultCounted_) return;  // the same end played again after taking it back
    resultCounted_ = true;
    const GameState& s = game_.state();
    // By how much the winner led; a game given up while behind was won by nothing.
    const int lead = winner == kBlue ? s.blueScore - s.redScore : s.redScore - s.blueScore;
    const int margin = std::max(0, lead);
    auto outcomeOf = [winner](int colour) {
        if (winner < 0) return Outcome::Draw;
        return winner == colour ? Outcome::Win : Outcome::Loss;
    };
    if (std::optional<int> computer = computerColour(opponent_)) {
        countResult(rowOfLevel(computer_->level()), outcomeOf(*computer == kBlue ? kRed : kBlue), margin);
    } else {
        countResult(ResultRow::ScreenBlue, outcomeOf(kBlue), margin);
        countResult(ResultRow::ScreenRed, outcomeOf(kRed), margin);
    }
}

void Form1::giveUp() {
    const GameState& s = game_.state();
    if (surrendered_ || s.animating() || s.chipsOut >= 2 * kChipsPerColour) return;
    stopComputer();
    hint_->stop();
    // Against the computer it is always the person who gives up, whoever is to move.
    const std::optional<int> computer = computerColour(opponent_);
    const int loser = computer ? (*computer == kBlue ? kRed : kBlue) : int(s.turnColour);
    const int winner = loser == kBlue ? kRed : kBlue;
    countGameResult(winner);  // once a game: given up again after undo, it is not counted twice
    const QString text =
        computer ? tr("Вы сдались. Выиграл компьютер.\nХотите сыграть ещё?")
                 : tr("%1 фишки сдались. Выиграли %2 фишки!\nХотите сыграть ещё?")
                       .arg(colourPlural(loser), colourPlural(winner).toLower());
    QMessageBox box(QMessageBox::NoIcon, gameTitle(), text, QMessageBox::Yes | QMessageBox::No,
                    this);
    box.setObjectName(QStringLiteral("GiveUpQuestion"));
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() == QMessageBox::Yes) {
        Nova();
        return;
    }
    // The game is over: nobody moves on this board until a new game, an opened one or undo.
    surrendered_ = true;
    computer_->setColour(std::nullopt);
    sync();
}

}  // namespace reikoboy
