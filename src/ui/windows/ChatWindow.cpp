// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/windows/ChatWindow.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace reikoboy {

namespace {
constexpr int kChatLimit = 500;  // what one message of the protocol may hold
}

ChatWindow::ChatWindow(std::function<bool(const QString&)> send, QWidget* parent)
    : QWidget(parent, Qt::Tool), send_(std::move(send)) {
    setObjectName(QStringLiteral("ChatWindow"));
    // A plain-text view: whatever the opponent sends is shown as typed, never as markup.
    log_ = new QPlainTextEdit(this);
    log_->setObjectName(QStringLiteral("ChatLog"));
    log_->setReadOnly(true);
    line_ = new QLineEdit(this);
    line_->setObjectName(QStringLiteral("ChatLine"));
    line_->setMaxLength(kChatLimit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(log_);
    layout->addWidget(line_);
    resize(360, 240);
    nameThings();
    connect(line_, &QLineEdit::returnPressed, this, &ChatWindow::sendTyped);
}

void ChatWindow::nameThings() {
    setWindowTitle(tr("Сообщение сопернику"));
    line_->setPlaceholderText(tr("Введите сообщение и нажмите Enter"));
}

void ChatWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) nameThings();
}

void ChatWindow::add(const QString& who, const QString& text) {
    log_->appendPlainText(who + QStringLiteral(": ") + text);
}

QString ChatWindow::conversation() const { return log_->toPlainText(); }

void ChatWindow::sendTyped() {
    QString text = line_->text().simplified();
    if (text.isEmpty()) return;
    if (send_(text)) {
        line_->clear();
    } else {
        log_->appendPlainText(tr("(не отправлено: соперника нет на связи)"));
    }
}

}  // namespace reikoboy
