// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The window's side of the computer opponent: the «Ход» menu with the hint, the choice of
// opponent and strength under «Параметры», and the board clicks both players make.
#include <QAccessible>
#include <QApplication>
#include <QActionGroup>
#include <QMenuBar>
#include <QPushButton>

#include "ui/board/BoardAnnouncer.h"
#include "ui/board/BoardKeyboard.h"
#include "ui/board/MoveHint.h"
#include "ui/board/PictureButton.h"
#include "ui/seats/ComputerTurn.h"
#include "ui/window/Form1.h"

namespace reikoboy {

namespace {

struct Choice {
    const char* name;
    const char* caption;
};

const Choice kOpponents[] = {{"OpponentSecondPlayer", QT_TRANSLATE_NOOP("reikoboy::Form1", "&Второй игрок")},
                             {"OpponentComputerRed", QT_TRANSLATE_NOOP("reikoboy::Form1", "Компьютер за &красных")},
                             {"OpponentComputerBlue", QT_TRANSLATE_NOOP("reikoboy::Form1", "Компьютер за &синих")}};
const Choice kStrengths[] = {{"StrengthNovice", QT_TRANSLATE_NOOP("reikoboy::Form1", "&Новичок")},
                             {"StrengthAmateur", QT_TRANSLATE_NOOP("reikoboy::Form1", "&Любитель")},
                             {"StrengthMaster", QT_TRANSLATE_NOOP("reikoboy::Form1", "&Мастер")}};

}  // namespace

void Form1::buildComputer() {
    auto button = [this](const ai::Click& click) { return boardButton(click); };
    auto announced = [this](const QString& text) { announce(text); };
    // The boards kept for undo, and the board now: the computer keeps clear of boards that keep
    // coming back. A new or opened game starts the history, and so the memory, afresh.
    auto memory = [this] {
        ai::GameMemory memory(history_.boards(game_.state()));
        memory.add(game_.state());
        return memory;
    };
    // Once its turn is over the player's buttons are back, and the focus with them, as after a
    // move of the player's own.
    auto refresh = [this] {
        if (!computer_->busy()) keyboard_->moveMade();
        sync();
    };
    auto turnSoFar = [this](int colour) {
        ai::Turn turn;
        const std::vector<History::Step> steps = history_.steps();
        for (std::size_t i = steps.size(); i-- > 0 && steps[i].mover == colour;)
            turn.insert(turn.begin(), {steps[i].click.button, steps[i].click.index});
        return turn;
    };
    computer_ = new ComputerTurn(
        game_, {button, [this](const QString& text) { setHint(text); }, announced, refresh, memory, turnSoFar},
        this);
    hint_ = new MoveHint(game_, button, announced, memory, this);
}

void Form1::buildMoveMenu() {
    QMenu* moves = translatedMenu(menuBar(), QT_TR_NOOP("&Ход"));
    moves->setObjectName(QStringLiteral("Moves"));
    buildUndoActions(moves);
    moves->addSeparator()->setObjectName(QStringLiteral("s6"));
    hintAction_ = translatedAction(moves, QT_TR_NOOP("&Подсказка"));
    hintAction_->setObjectName(QStringLiteral("Hint"));
    hintAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(hintAction_, &QAction::triggered, this, [this] {
        if (hintAction_->isEnabled()) hint_->start();
    });
}

void Form1::buildOpponentMenus(QMenu* options) {
    options->addSeparator()->setObjectName(QStringLiteral("s4"));
    auto addChoices = [this, options](const char* menuName, const char* caption, const Choice (&choices)[3],
                                      std::array<QAction*, 3>& actions, auto choose) {
        QMenu* menu = translatedMenu(options, caption);
        menu->setObjectName(QLatin1String(menuName));
        auto* group = new QActionGroup(menu);
        for (int i = 0; i < 3; ++i) {
            actions[i] = translatedAction(menu, choices[i].caption);
            actions[i]->setObjectName(QLatin1String(choices[i].name));
            actions[i]->setCheckable(true);
            group->addAction(actions[i]);
            connect(actions[i], &QAction::triggered, this, [choose, i] { choose(i); });
        }
    };
    addChoices("Opponent", QT_TR_NOOP("&Соперник"), kOpponents, opponentActions_,
               [this](int i) { chooseOpponent(static_cast<Opponent>(i)); });
    addChoices("Strength", QT_TR_NOOP("Сила &компьютера"), kStrengths, levelActions_,
               [this](int i) { chooseLevel(static_cast<ai::Level>(i)); });
}

void Form1::applyStoredChoices(const QString& opponent, const QString& strength) {
    opponent_ = opponentFromStore(opponent);
    opponentActions_[static_cast<int>(opponent_)]->setChecked(true);
    computer_->setColour(computerColour(opponent_));
    ai::Level level = levelFromStore(strength);
    levelActions_[static_cast<int>(level)]->setChecked(true);
    computer_->setLevel(level);
}

void Form1::chooseOpponent(Opponent opponent) {
    endNetworkGame();  // the remote seat gives way to the choice
    hint_->stop();
    opponent_ = opponent;
    opponentActions_[static_cast<int>(opponent)]->setChecked(true);
    computer_->setColour(computerColour(opponent));  // a turn under way stops here
    sync();                                           // and a computer whose side is to move begins
}

void Form1::chooseLevel(ai::Level level) {
    levelActions_[static_cast<int>(level)]->setChecked(true);
    computer_->setLevel(level);  // from its next turn on
}

void Form1::syncMoveCommands() {
    // The hint needs a board at rest with a move of the player's own to offer.
    const GameState& s = game_.state();
    bool offered = false;
    if (!s.animating() && !opponentsTurn() && !ai::gameOver(s)) {
        for (Button b : {Button::Command1, Button::Command2, Button::Command3, Button::Command4, Button::Command5})
            for (int i = 0; i < buttonCount(b) && !offered; ++i) offered = game_.offers(b, i);
    }
    if (hintAction_->isEnabled() != offered) hintAction_->setEnabled(offered);
    syncUndoCommands();
}

void Form1::stopComputer() {
    hint_->stop();
    computer_->stop();
}

QAbstractButton* Form1::boardButton(const ai::Click& click) const {
    int i = click.index;
    switch (click.button) {
        case Button::Command1: return i >= 0 && i < kDropButtons ? Command1[i] : nullptr;
        case Button::Command2: return i >= 0 && i < kRails ? Command2[i] : nullptr;
        case Button::Command3: return i >= 0 && i < kRails ? Command3[i] : nullptr;
        case Button::Command4: return i >= 0 && i < kDrumButtons ? Command4[i] : nullptr;
        case Button::Command5: return Command5;
    }
    return nullptr;
}

void Form1::boardButtonClicked(Button button, int index) {
    if (!computer_->letsPress()) return;  // during the computer's turn only its own presses count
    if (networkClick({button, index})) return;
    hint_->stop();
    agreedToEnd_ = false;  // a move after a cancelled logout is worth asking about again
    keyboard_->moveMade();
    announcer_->moveStarts();
    playClick({button, index});  // kept, so that it can be taken back
    sync();
}

void Form1::announce(const QString& text) {
    setHint(text);
    announcer_->tell(text, QApplication::focusWidget());
    QAccessibleEvent changed(hintPanel_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace reikoboy
