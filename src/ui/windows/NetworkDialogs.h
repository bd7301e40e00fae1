// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The dialogs of «Сеть»: creating a game (name, colour, port) and joining one (address, code,
// name). They only ask; the window starts the game with the answers.
#pragma once

#include <QDialog>

#include "ui/windows/NetworkAddress.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace reikoboy::net { class GameFinder; }

namespace reikoboy::net { class GameFinder; }

namespace reikoboy {

class CreateGameDialog : public QDialog {
    Q_OBJECT
public:
    CreateGameDialog(const QString& name, QWidget* parent);
    QString name() const;
    int colour() const;  // kBlue or kRed
    quint16 port() const;

private:
    QLineEdit* name_;
    QComboBox* colour_;
    QSpinBox* port_;
};

class JoinGameDialog : public QDialog {
    Q_OBJECT
public:
    JoinGameDialog(const QString& name, const QString& lastAddress, const QString& lastCode, QWidget* parent);
    std::optional<GameAddress> address() const;
    QString code() const;
    QString name() const;
    // Lists what `finder` has found (nullptr: nothing can be looked for); a game chosen in the
    // list fills in its address.
    void showGames(const net::GameFinder* finder);

    static const char* const kNoDiscovery;

private:

    QListWidget* games_;
    QLineEdit* address_;
    QLineEdit* code_;
    QLineEdit* name_;
};

// The name a player gives: at most 32 characters, no control characters.
QString cleanPlayerName(const QString& typed);

}  // namespace reikoboy
