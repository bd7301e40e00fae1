// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "NetworkModule.h"

#include <QNetworkInterface>
#include <algorithm>
#include <tuple>

#include "GameAnnouncer.h"
#include "GameBrowser.h"
#include "NetworkGame.h"

namespace reikoboy::net {

namespace {

class BrowsingFinder final : public GameFinder {
public:
    explicit BrowsingFinder(std::function<void()> changed) {
        auto tell = [this, changed] {
            answered_ = true;
            changed();
        };
        QObject::connect(&browser_, &GameBrowser::availabilityChanged, &browser_, tell);
        QObject::connect(&browser_, &GameBrowser::gameFound, &browser_, tell);
        QObject::connect(&browser_, &GameBrowser::gameLost, &browser_, tell);
    }

    bool connecting() const override { return !answered_; }
    bool available() const override { return browser_.available(); }
    QString unavailableReason() const override { return browser_.unavailableReason(); }
    QList<FoundGame> games() const override {
        QList<FoundGame> list = browser_.games().values();
        std::sort(list.begin(), list.end(), [](const FoundGame& a, const FoundGame& b) {
            return std::tie(a.playerName, a.address, a.port) < std::tie(b.playerName, b.address, b.port);
        });
        return list;
    }

private:
    GameBrowser browser_;
    bool answered_ = false;
};

class ModuleDoor final : public NetworkModule {
public:
    NetworkPlay* makeGame(Game& game, History& history, QObject* parent) override {
        return new NetworkGame(game, history, parent);
    }

    QStringList machineAddresses() const override {
        QStringList found;
        for (const QHostAddress& a : QNetworkInterface::allAddresses())
            if (!a.isLoopback() && !a.isLinkLocal()) found << a.toString();
        return found;
    }

    std::unique_ptr<GameFinder> findGames(std::function<void()> changed) override {
        return std::make_unique<BrowsingFinder>(std::move(changed));
    }

    void announce(NetworkPlay& play, const QString& name) override {
        auto* announcer = new GameAnnouncer(&play);
        auto waiting = [announcer, &play, name] {
            if (play.hosting() && !play.hasOpponent()) announcer->announce(name, play.port());
        };
        QObject::connect(&play, &NetworkPlay::opponentJoined, announcer, &GameAnnouncer::withdraw);
        QObject::connect(&play, &NetworkPlay::connectionClosed, announcer, waiting);
        waiting();
    }
};

}  // namespace

}  // namespace reikoboy::net

// The only symbol the module shows; nullptr for a window of another version.
extern "C" Q_DECL_EXPORT reikoboy::net::NetworkModule* reikoboy_network_module(int version) {
    static reikoboy::net::ModuleDoor door;
    return version == reikoboy::net::kNetworkModuleVersion ? &door : nullptr;
}
