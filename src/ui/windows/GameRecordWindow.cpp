// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/windows/GameRecordWindow.h"

#include <QEvent>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/board/TurnWords.h"

namespace reikoboy {

namespace {

QString gain(int points) { return points > 0 ? QStringLiteral("+%1").arg(points) : QString(); }

}  // namespace

QString recordLine(int number, const RecordedTurn& turn) {
    ai::Turn clicks;
    for (const BoardClick& c : turn.clicks) clicks.push_back({c.button, c.index});
    QString line = QStringLiteral("%1. %2: %3")
                       .arg(number)
                       .arg(turn.mover == kBlue ? GameRecordWindow::tr("Синие") : GameRecordWindow::tr("Красные"),
                            turnWords(clicks));
    // What the turn brought: the mover's points, and the other colour's when its chips fell too.
    const int own = turn.mover == kBlue ? turn.blueGain : turn.redGain;
    const int other = turn.mover == kBlue ? turn.redGain : turn.blueGain;
    QStringList scored;
    if (own > 0) scored << gain(own);
    if (other > 0)
        scored << (turn.mover == kBlue ? GameRecordWindow::tr("красным %1") : GameRecordWindow::tr("синим %1"))
                      .arg(gain(other));
    if (!scored.isEmpty()) line += QStringLiteral(" — ") + scored.join(QStringLiteral(", "));
    return line;
}

GameRecordWindow::GameRecordWindow(QWidget* board) : QDialog(board) {
    setObjectName(QStringLiteral("GameRecord"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("GameRecordList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list_);
    resize(340, 408);
    nameThings();
}

void GameRecordWindow::nameThings() {
    setWindowTitle(tr("Запись игры"));
    list_->setAccessibleName(tr("Ходы этой игры"));
}

void GameRecordWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    nameThings();
    showTurns();
}

void GameRecordWindow::follow(const History& history, const GameState& now) {
    if (!isVisible()) return;
    // A click, a taken-back click and a fall that scores each change one of these.
    std::vector<History::Step> steps = history.steps();
    std::vector<BoardClick> again = history.redoClicks();
    if (steps == stepsSeen_ && again == redoSeen_ && now.blueScore == blueSeen_ && now.redScore == redSeen_) return;
    stepsSeen_ = std::move(steps);
    redoSeen_ = std::move(again);
    blueSeen_ = now.blueScore;
    redSeen_ = now.redScore;
    turns_ = recordTurns(history, now);
    showTurns();
}

void GameRecordWindow::showTurns() {
    list_->clear();
    QListWidgetItem* newest = nullptr;
    for (std::size_t i = 0; i < turns_.size(); ++i) {
        auto* item = new QListWidgetItem(recordLine(int(i) + 1, turns_[i]), list_);
        if (turns_[i].takenBack) {
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            item->setToolTip(tr("Взят назад: «Повторить ход» сыграет его снова"));
        } else {
            newest = item;
        }
    }
    if (newest) {
        list_->setCurrentItem(newest);
        list_->scrollToItem(newest);
    }
}

}  // namespace reikoboy
