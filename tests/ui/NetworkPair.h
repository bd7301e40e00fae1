// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Two windows playing each other over loopback, and the moves of a game clicked on whichever
// of them is to move, as its player would.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QTest>
#include <functional>

#include "game/Board.h"
#include "net/NetworkPlay.h"
#include "persist/SavedGame.h"
#include "ui/window/Form1.h"

namespace reikoboy::testing {

// Waits, at most `ms`, for `done`.
inline bool waitFor(const std::function<bool()>& done, int ms = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) QTest::qWait(5);
    return done();
}

inline QByteArray savedBytes(const Form1& w) { return QByteArray::fromStdString(writeSavedGame(w.game().state())); }

struct NetworkPair {
    Form1 host, joiner;
    QString code = QStringLiteral("402913");

    NetworkPair() {
        host.setOpponentShowMilliseconds(5);
        joiner.setOpponentShowMilliseconds(5);
        host.show();
        joiner.show();
    }

    // The host as blue Анна on a free port, the joiner Борис by `address`; true once both hold
    // the same board.
    bool connect(const QString& address, int hostColour = kBlue) {
        if (!host.hostNetworkGame(QStringLiteral("Анна"), hostColour, 0, code)) return false;
        joiner.joinNetworkGame(address, host.networkGame()->port(), code, QStringLiteral("Борис"));
        return agreed();
    }
    bool agreed() {
        return waitFor([this] {
            auto ready = [](Form1& w) { return w.networkGame() && w.networkGame()->match() && w.networkGame()->match()->agreed(); };
            return ready(host) && ready(joiner);
        });
    }

    // The window whose player may press now; nullptr when none within the time.
    Form1* mover() {
        Form1* found = nullptr;
        waitFor([&] {
            for (Form1* w : {&host, &joiner})
                if (w->networkGame() && w->networkGame()->localMayMove()) found = w;
            return found != nullptr;
        });
        return found;
    }

    // Clicks one move of the replay tool's language ("Command1 3") on the window to move.
    void play(const QString& move) {
        Form1* w = mover();
        ASSERT_NE(w, nullptr) << "nobody may move before " << move.toStdString();
        QStringList parts = move.split(QLatin1Char(' '));
        QString name = parts.size() > 1 ? parts[0] + QLatin1Char('_') + parts[1] : parts[0];
        auto* button = w->findChild<QAbstractButton*>(name);
        ASSERT_TRUE(button && button->isVisible()) << move.toStdString() << " not offered";
        Form1* other = w == &host ? &joiner : &host;
        auto* same = other->findChild<QAbstractButton*>(name);
        EXPECT_FALSE(same->isVisible() && !same->isDown()) << "offered on the side not to move: " << move.toStdString();
        button->click();
    }
};

}  // namespace reikoboy::testing
