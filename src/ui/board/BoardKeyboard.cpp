// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/board/BoardKeyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

namespace reikoboy {

namespace {

bool isPressKey(int key) { return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

BoardKeyboard::BoardKeyboard(std::vector<QAbstractButton*> focusOrder, QWidget* keeper, QObject* parent)
    : QObject(parent), order_(std::move(focusOrder)), keeper_(keeper) {
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
    button->click();  // the window shows the move and calls showButtons before this returns
    return true;
}

QWidget* BoardKeyboard::focusAfter(const Faces& faces, bool animating, bool& settledNow) {
    auto offeredAfter = [&](size_t i) { return faces[i].shown && faces[i].enabled; };
    QWidget* holder = QApplication::focusWidget();
    auto held = std::find(order_.begin(), order_.end(), holder);
    bool holderGoes = held != order_.end() && !offeredAfter(size_t(held - order_.begin()));
    settledNow = !animating && moving_;
    if (!animating && (movedWith_ || kept_ || (moving_ && holderGoes))) {
        size_t used = size_t(std::find(order_.begin(), order_.end(), movedWith_.data()) - order_.begin());
        size_t first = used < order_.size() && offeredAfter(used) ? used : 0;
        while (first < order_.size() && !offeredAfter(first)) ++first;
        movedWith_ = nullptr;
        kept_ = false;
        if (first < order_.size()) return order_[first];
    }
    if (!holderGoes) return nullptr;
    kept_ = true;
    return keeper_;
}

void BoardKeyboard::showButtons(const Faces& faces, bool animating) {
    // The buttons that come are shown first, so that the focus may go straight to one of them.
    for (size_t i = 0; i < order_.size(); ++i) {
        if (!faces[i].shown || !faces[i].enabled) continue;
        order_[i]->setEnabled(true);
        order_[i]->setVisible(true);
    }
    bool settledNow = false;
    QWidget* holder = QApplication::focusWidget();
    QWidget* target = focusAfter(faces, animating, settledNow);
    if (settledNow) {
        moving_ = false;
        bool onBoard = holder == keeper_ || std::find(order_.begin(), order_.end(), holder) != order_.end();
        if (settled) settled(target ? target : onBoard ? holder : keeper_);
    }
    if (target && target != holder) target->setFocus(target == keeper_ ? Qt::OtherFocusReason : Qt::TabFocusReason);
    // Hiding or disabling a focused widget would pass the focus along; none is focused now.
    for (size_t i = 0; i < order_.size(); ++i) {
        order_[i]->setVisible(faces[i].shown);
        order_[i]->setEnabled(faces[i].enabled);
    }
}

}  // namespace reikoboy
