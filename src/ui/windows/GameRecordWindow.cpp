// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/windows/GameRecordWindow.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "ai/TurnText.h"

namespace reikoboy {

namespace {

QString gain(int points) { return points > 0 ? QStringLiteral("+%1").arg(points) : QString(); }

}  // namespace

QString recordLine(int number, const RecordedTurn& turn) {
    ai::Turn clicks;
    for (const BoardClick& c : turn.clicks) clicks.push_back({c.button, c.index});
    QString line = QStringLiteral("%1. %2: %3")
                       .arg(number)
                       .arg(turn.mover == kBlue ? QStringLiteral("Синие") : QStringLiteral("Красные"),
                            QString::fromStdString(ai::describeTurn(clicks)));
    // What the turn brought: the mover's points, and the other colour's when its chips fell too.
    const int own = turn.mover == kBlue ? turn.blueGain : turn.redGain;
    const int other = turn.mover == kBlue ? turn.redGain : turn.blueGain;
    QStringList scored;
    if (own > 0) scored << gain(own);
    if (other > 0) scored << (turn.mover == kBlue ? QStringLiteral("красным ") : QStringLiteral("синим ")) + gain(other);
    if (!scored.isEmpty()) line += QStringLiteral(" — ") + scored.join(QStringLiteral(", "));
    return line;
}

GameRecordWindow::GameRecordWindow(QWidget* board) : QDialog(board) {
    setObjectName(QStringLiteral("GameRecord"));
    setWindowTitle(QStringLiteral("Запись игры"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("GameRecordList"));
    list_->setAccessibleName(QStringLiteral("Ходы этой игры"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list_);
    resize(340, 408);
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
    const std::vector<RecordedTurn> turns = recordTurns(history, now);
    list_->clear();
    QListWidgetItem* newest = nullptr;
    for (std::size_t i = 0; i < turns.size(); ++i) {
        auto* item = new QListWidgetItem(recordLine(int(i) + 1, turns[i]), list_);
        if (turns[i].takenBack) {
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            item->setToolTip(QStringLiteral("Взят назад: «Повторить ход» сыграет его снова"));
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
