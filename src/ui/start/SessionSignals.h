// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// SIGTERM, SIGHUP and SIGINT as the end of a desktop session that may not ask the players:
// the handler only writes to a pipe; the window's thread reads it and ends the game in order.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace reikoboy {

class Form1;

class SessionSignals : public QObject {
    Q_OBJECT
public:
    // One at a time: it takes the three signals over until it is destroyed.
    explicit SessionSignals(QObject* parent = nullptr);
    ~SessionSignals() override;

signals:
    // On the thread that made this object; signals that arrive together count once.
    void sessionEnds(int signal);

private:
    void drain();

    QSocketNotifier* notifier_ = nullptr;
};

// What the game does at such a signal: the settings and a game in progress are kept as at a
// logout that may not ask, and the program ends with exit code 0.
void endSessionOnSignals(Form1& window);

}  // namespace reikoboy
