// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// «Отменить ход» and «Повторить ход»: every board click goes through the history, which
// restores the board at rest as it was before a click and plays a taken-back click again.
#include <QMenu>

#include "ai/TurnText.h"
#include "ui/board/MoveHint.h"
#include "ui/board/TurnWords.h"
#include "ui/seats/ComputerTurn.h"
#include "ui/window/Form1.h"

namespace reikoboy {

namespace {

// Against the computer a move is taken back to the person's own last decision.
std::optional<int> personAgainstComputer(Opponent opponent) {
    std::optional<int> computer = computerColour(opponent);
    if (!computer) return std::nullopt;
    return *computer == kRed ? kBlue : kRed;
}

}  // namespace

void Form1::buildUndoActions(QMenu* moves) {
    undoAction_ = translatedAction(moves, QT_TR_NOOP("&Отменить ход"));
    undoAction_->setObjectName(QStringLiteral("Undo"));
    undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undoAction_->setEnabled(false);
    connect(undoAction_, &QAction::triggered, this, &Form1::Undo);
    redoAction_ = translatedAction(moves, QT_TR_NOOP("По&вторить ход"));
    redoAction_->setObjectName(QStringLiteral("Redo"));
    redoAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    redoAction_->setEnabled(false);
    connect(redoAction_, &QAction::triggered, this, &Form1::Redo);
}

void Form1::syncUndoCommands() {
    std::optional<int> person = personAgainstComputer(opponent_);
    bool undo = person ? history_.canUndoTo(*person) : history_.canUndo();
    // The computer replays its own taken-back clicks when it chooses them again. A press while
    // a replayed move still slides is kept for when it settles, so the command stays on.
    bool redo = history_.redoCount() > std::size_t(redosWaiting_) && !computer_->busy();
    if (undoAction_->isEnabled() != undo) undoAction_->setEnabled(undo);
    if (redoAction_->isEnabled() != redo) redoAction_->setEnabled(redo);
}

void Form1::playClick(BoardClick click) {
    // The computer choosing what was taken back keeps the rest of it for «Повторить ход».
    if (computer_->busy() && history_.nextRedo() == click && history_.canRedo(game_))
        history_.redo(game_);
    else if (history_.click(game_, click))
        redosWaiting_ = 0;  // a click of its own dropped what could be replayed
}

void Form1::Undo() {
    // Whatever moves stops first, as for a new game; then the board at rest before the click.
    std::optional<int> person = personAgainstComputer(opponent_);
    if (!(person ? history_.canUndoTo(*person) : history_.canUndo())) return;
    stopComputer();
    redosWaiting_ = 0;
    if (surrendered_) {  // the game goes on from before its last move after all
        surrendered_ = false;
        computer_->setColour(computerColour(opponent_));
    }
    const std::size_t before = history_.undoCount();
    if (person)
        history_.undoTo(game_, *person);  // the person is to move, so the computer waits
    else
        history_.undo(game_);
    agreedToEnd_ = false;
    sync();
    // Said in place of whatever the status bar said about the move taken back.
    const std::optional<BoardClick> last = history_.nextRedo();
    if (before - history_.undoCount() > 1)
        announce(tr("Взяты назад ваш ход и ответ компьютера"));
    else if (last)
        announce(tr("Ход взят назад: %1").arg(clickWords({last->button, last->index})));
}

void Form1::Redo() {
    if (computer_->busy() || history_.redoCount() <= std::size_t(redosWaiting_)) return;
    if (game_.state().animating()) {
        ++redosWaiting_;  // played as soon as the board is at rest, in the order pressed
        syncUndoCommands();
        return;
    }
    hint_->stop();
    const std::optional<BoardClick> again = history_.nextRedo();
    history_.redo(game_);
    agreedToEnd_ = false;
    sync();  // and the computer answers when its side is to move
    // Once the focus has found where it waits while the move plays.
    if (again)
        announce(tr("Ход повторён: %1").arg(clickWords({again->button, again->index})));
}

void Form1::playWaitingRedo() {
    if (redosWaiting_ == 0 || game_.state().animating()) return;
    --redosWaiting_;
    // From the event loop: a redo's own sync() must not run inside the tick that settled.
    QMetaObject::invokeMethod(this, &Form1::Redo, Qt::QueuedConnection);
}

}  // namespace reikoboy
