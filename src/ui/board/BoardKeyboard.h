// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Playing with the keyboard: Space, Enter and the keypad's Enter press the focused board
// button; the buttons are shown and hidden here, so that the focus moves at most once when they
// hide, and after a move it is put back where the player expects it.
#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>
#include <vector>

#include "game/Board.h"

class QAbstractButton;
class QWidget;

namespace reikoboy {

inline constexpr int kBoardButtons = kDropButtons + 2 * kRails + kDrumButtons + 1;

class BoardKeyboard : public QObject {
    Q_OBJECT
public:
    // `focusOrder`: every board button, in the window's keyboard order. `keeper`: a control
    // that stays shown, to hold the focus while the buttons are away.
    BoardKeyboard(std::vector<QAbstractButton*> focusOrder, QWidget* keeper, QObject* parent);

    struct Face {
        bool shown = false;
        bool enabled = false;
    };
    using Faces = std::array<Face, kBoardButtons>;  // in the keyboard order

    // A board button was clicked, by whatever means: a move is under way.
    void moveMade() { moving_ = true; }
    // Shows the board's buttons as `faces` says. A focused button about to go hands the focus
    // once to the keeper, never along the buttons as they hide. Once the board stands still
    // after a move, the focus goes back to the button used with the keys if it is offered
    // again, else, if it had to leave its button, to the first offered button; `settled` is
    // told first which control holds the focus then.
    void showButtons(const Faces& faces, bool animating);
    std::function<void(QWidget* focus)> settled;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool offered(const QAbstractButton* button);
    QWidget* focusAfter(const Faces& faces, bool animating, bool& settledNow);

    std::vector<QAbstractButton*> order_;
    QWidget* keeper_;
    bool kept_ = false;    // the keeper holds the focus for the buttons
    bool moving_ = false;  // a move not yet at rest
    // The button a key went down on: only the release of that key on that same button makes
    // the move, so a key struck once never presses a second button the focus moved to.
    QPointer<QAbstractButton> keyDownOn_;
    int keyDown_ = 0;
    QPointer<QAbstractButton> movedWith_;  // the button of a keyboard move still settling
};

}  // namespace reikoboy
