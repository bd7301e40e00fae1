// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The conversation with the opponent: what was said, as plain text only, and a line to type in.
#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;
class QPlainTextEdit;

namespace reikoboy {

class ChatWindow : public QWidget {
    Q_OBJECT
public:
    // `send` gets each line typed; it answers whether the line went out.
    ChatWindow(std::function<bool(const QString&)> send, QWidget* parent);

    void add(const QString& who, const QString& text);
    QString conversation() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void nameThings();  // the title and the line's prompt, in the language the window speaks
    void sendTyped();

    std::function<bool(const QString&)> send_;
    QPlainTextEdit* log_ = nullptr;
    QLineEdit* line_ = nullptr;
};

}  // namespace reikoboy
