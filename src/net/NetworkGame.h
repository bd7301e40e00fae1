// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A game against a player over the network, for the window and for reikoboy-peer alike: it
// hosts (GameHost) or joins, and plays the opponent's side of `game` through a Match — the
// remote seat. The window keeps its Game and History and:
//   - routes this side's board clicks through localClick() while localMayMove();
//   - calls boardAtRest() whenever an animation ends, so the opponent's next click is played;
//   - calls boardChanged() (host) after «Новая игра» or «Открыть...», which sends the board;
//   - redraws on changed(), shows remoteClicked() as it shows the computer's clicks, and shows
//     chatReceived() and names as plain text only (never as markup).
// Whatever the opponent does, this side's board only ever changes by clicks that were offered,
// or (joiner) by a received board that passed every check «Открыть...» makes.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "Connection.h"
#include "GameHost.h"
#include "Match.h"
#include "NetworkPlay.h"

namespace reikoboy::net {

class NetworkGame : public NetworkPlay {
    Q_OBJECT
public:
    NetworkGame(Game& game, History& history, QObject* parent = nullptr);
    ~NetworkGame() override;

    bool host(quint16 port, const std::string& code, const std::string& name, int colour) override;
    void join(const QString& address, quint16 port, const std::string& code, const std::string& name) override;

    bool hosting() const override { return host_ != nullptr; }
    quint16 port() const override { return host_ ? host_->port() : 0; }
    QString errorString() const override { return error_; }
    bool hasOpponent() const override { return match_ != nullptr; }
    QString opponentName() const override { return opponentName_; }
    int localColour() const override { return match_ ? match_->localColour() : colour_; }
    const Match* match() const override { return match_.get(); }

    bool localMayMove() const override { return match_ && match_->localMayMove(); }
    bool localClick(BoardClick click) override;
    void boardAtRest() override;
    void boardChanged() override;
    bool sendChat(const QString& text) override;
    void askAgain() override;
    void leave() override;
    void setShowsClicks(bool shows) override { showsClicks_ = shows; }
    void playShownClick() override;

    // For tests: a quicker heartbeat; and every line sent and received.
    void setTiming(Timing timing) override;
    void setTrace(std::function<void(bool sent, const std::string& line)> trace) { trace_ = std::move(trace); }

    static constexpr int kConnectTimeoutMs = 10000;
    // How long a closing program waits for its last lines (a window closed, a peer done).
    static constexpr int kLastLinesMs = 1000;

private:
    void takeConnection(Connection* connection, const QString& name);
    void onEvent(const Event& event);
    void dropConnection();
    void flush();

    Game& game_;
    History& history_;
    std::unique_ptr<GameHost> host_;
    Connection* connection_ = nullptr;
    std::unique_ptr<Match> match_;
    std::string name_;
    int colour_ = 0;
    bool showsClicks_ = false;
    QString opponentName_;
    QString error_;
    Timing timing_;
    QTimer connectTimeout_;
    std::function<void(bool, const std::string&)> trace_;
};

}  // namespace reikoboy::net
