// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/seats/RemoteSeat.h"

#include <QAbstractButton>

namespace reikoboy {

RemoteSeat::RemoteSeat(Board board, QObject* parent) : QObject(parent), board_(std::move(board)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RemoteSeat::release);
}

void RemoteSeat::show(BoardClick click) {
    waiting_.push_back(click);
    if (!busy()) showNext();
}

void RemoteSeat::showNext() {
    if (waiting_.empty()) return;
    shown_ = waiting_.front();
    waiting_.pop_front();
    board_.refresh();  // the button becomes visible before it is pressed
    button_ = board_.button(*shown_);
    keepShown();
    if (button_) board_.hint(button_->accessibleDescription());
    timer_.start(showMilliseconds_);
}

void RemoteSeat::release() {
    if (button_) button_->setDown(false);
    button_ = nullptr;
    std::optional<BoardClick> shown = shown_;
    shown_.reset();
    if (shown) board_.play(*shown);
    if (!waiting_.empty()) {
        showNext();
        return;
    }
    board_.refresh();
}

void RemoteSeat::keepShown() {
    if (!button_) return;
    button_->setEnabled(true);
    button_->setVisible(true);
    button_->setDown(true);
}

void RemoteSeat::stop() {
    timer_.stop();
    waiting_.clear();
    if (button_) button_->setDown(false);
    button_ = nullptr;
    shown_.reset();
}

}  // namespace reikoboy
