// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "BoardKeyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

namespace reikoboy {

namespace {

bool isPressKey(int key) { return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

BoardKeyboard::BoardKeyboard(std::vector<QAbstractButton*> focusOrder, QObject* parent)
    : QObject(parent), order_(std::move(focusOrder)) {
    for (QAbstractButton* button : order_) button->installEventFilter(this);
}

bool BoardKeyboard::offered(const QAbstractButton* button) {
    return button && button->isVisible() && button->isEnabled();
}

bool BoardKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!isPressKey(key->key()) || key->modifiers() & ~Qt::KeypadModifier) return false;
    auto* button = static_cast<QAbstractButton*>(watched);
    if (key->isAutoRepeat()) return true;  // a held key makes one move, not many
    if (event->type() == QEvent::KeyPress) {
        keyDownOn_ = offered(button) ? button : nullptr;
        keyDown_ = key->key();
        if (keyDownOn_) button->setDown(true);
        return true;
    }
    bool sameStroke = keyDownOn_ == button && keyDown_ == key->key();
    if (keyDownOn_) keyDownOn_->setDown(false);
    keyDownOn_ = nullptr;
    if (!sameStroke) return true;
    if (!offered(button)) return true;
    movedWith_ = button;
    button->click();  // the window shows the move and calls boardChanged before this returns
    return true;
}

void BoardKeyboard::boardChanged(bool animating) {
    if (!movedWith_) return;
    if (animating) {
        // Every button is hidden while the board moves; a hidden one must not keep the focus.
        QWidget* holder = QApplication::focusWidget();
        if (holder && !holder->isVisible() && std::find(order_.begin(), order_.end(), holder) != order_.end())
            holder->clearFocus();
        return;
    }
    QAbstractButton* target = offered(movedWith_) ? movedWith_.data() : nullptr;
    for (auto it = order_.begin(); !target && it != order_.end(); ++it)
        if (offered(*it)) target = *it;
    movedWith_ = nullptr;
    if (target) target->setFocus(Qt::TabFocusReason);
}

}  // namespace reikoboy
