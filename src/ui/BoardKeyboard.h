// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Playing with the keyboard: Space, Enter and the keypad's Enter press the focused board
// button, and after such a move the focus is put back where the player expects it.
#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QAbstractButton;

namespace reikoboy {

class BoardKeyboard : public QObject {
    Q_OBJECT
public:
    // `focusOrder`: every board button, in the window's keyboard order.
    BoardKeyboard(std::vector<QAbstractButton*> focusOrder, QObject* parent);

    // The window has shown the board's new state. Once the board stands still after a move
    // made with the keys, the focus goes back to the button used if it is offered again, else
    // to the first offered button.
    void boardChanged(bool animating);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool offered(const QAbstractButton* button);

    std::vector<QAbstractButton*> order_;
    // The button a key went down on: only the release of that key on that same button makes
    // the move, so a key struck once never presses a second button the focus moved to.
    QPointer<QAbstractButton> keyDownOn_;
    int keyDown_ = 0;
    QPointer<QAbstractButton> movedWith_;  // the button of a keyboard move still settling
};

}  // namespace reikoboy
