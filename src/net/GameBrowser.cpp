// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "GameBrowser.h"

#include <avahi-client/lookup.h>
#include <avahi-common/address.h>
#include <avahi-common/error.h>
#include <avahi-common/strlst.h>
#include <net/if.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <map>
#include <string>
#include <vector>

#include "AvahiThread.h"
#include "DiscoveredName.h"

namespace reikoboy::net {

namespace {

// Characters that cannot confuse a key's parts.
QString keyPart(const char* text) {
    return QString::fromLatin1(QByteArray(text ? text : "").toPercentEncoding());
}

std::string keyOf(AvahiIfIndex interface, AvahiProtocol protocol, const char* name, const char* domain) {
    return (QString::number(interface) + u'/' + QString::number(protocol) + u'/' + keyPart(name) + u'/' +
            keyPart(domain)).toStdString();
}

QString addressText(const AvahiAddress* address, AvahiIfIndex interface) {
    char text[AVAHI_ADDRESS_STR_MAX] = {};
    if (!address || !avahi_address_snprint(text, sizeof text, address)) return QString();
    QString result = QString::fromLatin1(text);
    const bool linkLocal = address->proto == AVAHI_PROTO_INET6 && address->data.ipv6.address[0] == 0xfe &&
                           (address->data.ipv6.address[1] & 0xc0) == 0x80;
    char interfaceName[IF_NAMESIZE] = {};
    if (linkLocal && interface > 0 && if_indextoname(unsigned(interface), interfaceName))
        result += u'%' + QString::fromLatin1(interfaceName);
    return result;
}

std::vector<std::string> txtEntries(AvahiStringList* txt) {
    std::vector<std::string> entries;
    for (AvahiStringList* entry = txt; entry; entry = avahi_string_list_get_next(entry))
        entries.emplace_back(reinterpret_cast<const char*>(avahi_string_list_get_text(entry)),
                             avahi_string_list_get_size(entry));
    return entries;
}

}  // namespace

// Lives on Avahi's thread; reaches the browser only through queued calls.
struct GameBrowser::Avahi final : AvahiThread::Owner {
    explicit Avahi(GameBrowser* browser) : q(browser) {}
    ~Avahi() { thread.stop(); }

    void availability(bool available, const QString& reason) override {
        QMetaObject::invokeMethod(q, [q = q, available, reason] { q->setAvailability(available, reason); },
                                  Qt::QueuedConnection);
    }

    void clientRunning(AvahiClient* client) override {
        if (browser) return;
        browser = avahi_service_browser_new(client, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, kGameServiceType, nullptr,
                                            AvahiLookupFlags(0), &Avahi::onBrowse, this);
        if (!browser)
            availability(false, QCoreApplication::translate("GameBrowser", "avahi-daemon не ищет игры: %1")
                                    .arg(QString::fromUtf8(avahi_strerror(avahi_client_errno(client)))));
    }

    void clientGone() override {
        for (auto& [key, resolver] : resolvers) avahi_service_resolver_free(resolver);
        resolvers.clear();
        if (browser) avahi_service_browser_free(browser);
        browser = nullptr;
    }

    void woken(AvahiClient*) override {}

    void lost(const std::string& key) {
        QMetaObject::invokeMethod(q, [q = q, key = QString::fromStdString(key)] { q->lost(key); },
                                  Qt::QueuedConnection);
    }

    static void onBrowse(AvahiServiceBrowser* browser, AvahiIfIndex interface, AvahiProtocol protocol,
                         AvahiBrowserEvent event, const char* name, const char* type, const char* domain,
                         AvahiLookupResultFlags, void* self) {
        auto* avahi = static_cast<Avahi*>(self);
        switch (event) {
        case AVAHI_BROWSER_NEW: {
            const std::string key = keyOf(interface, protocol, name, domain);
            if (avahi->resolvers.count(key) || avahi->resolvers.size() >= std::size_t(kMaxFollowed)) return;
            // Kept until the service goes: it follows changes of address, port and TXT.
            AvahiServiceResolver* resolver =
                avahi_service_resolver_new(avahi_service_browser_get_client(browser), interface, protocol, name, type,
                                           domain, AVAHI_PROTO_UNSPEC, AvahiLookupFlags(0), &Avahi::onResolve, avahi);
            if (resolver) avahi->resolvers.emplace(key, resolver);
            break;
        }
        case AVAHI_BROWSER_REMOVE: {
            const std::string key = keyOf(interface, protocol, name, domain);
            auto found = avahi->resolvers.find(key);
            if (found == avahi->resolvers.end()) return;
            avahi_service_resolver_free(found->second);
            avahi->resolvers.erase(found);
            avahi->lost(key);
            break;
        }
        case AVAHI_BROWSER_FAILURE: {
            const int error = avahi_client_errno(avahi_service_browser_get_client(browser));
            avahi->clientGone();
            avahi->availability(false, QCoreApplication::translate("GameBrowser", "avahi-daemon перестал искать игры: %1")
                                           .arg(QString::fromUtf8(avahi_strerror(error))));
            break;
        }
        case AVAHI_BROWSER_ALL_FOR_NOW:
        case AVAHI_BROWSER_CACHE_EXHAUSTED:
            break;
        }
    }

    static void onResolve(AvahiServiceResolver* resolver, AvahiIfIndex interface, AvahiProtocol protocol,
                          AvahiResolverEvent event, const char* name, const char*, const char* domain,
                          const char* hostName, const AvahiAddress* address, uint16_t port, AvahiStringList* txt,
                          AvahiLookupResultFlags flags, void* self) {
        auto* avahi = static_cast<Avahi*>(self);
        const std::string key = keyOf(interface, protocol, name, domain);
        const std::optional<QString> player = event == AVAHI_RESOLVER_FOUND ? announcedPlayerName(txtEntries(txt))
                                                                             : std::nullopt;
        if (event == AVAHI_RESOLVER_FAILURE) {
            auto found = avahi->resolvers.find(key);
            if (found != avahi->resolvers.end() && found->second == resolver) avahi->resolvers.erase(found);
            avahi_service_resolver_free(resolver);
        }
        if (!player) {
            avahi->lost(key);  // also when a listed game changed into something not ours
            return;
        }
        FoundGame game;
        game.key = QString::fromStdString(key);
        game.playerName = *player;
        game.hostName = discoveredText(hostName ? hostName : "", 255);
        game.address = addressText(address, interface);
        game.port = port;
        game.thisMachine = flags & AVAHI_LOOKUP_RESULT_LOCAL;
        QMetaObject::invokeMethod(avahi->q, [q = avahi->q, game] { q->found(game); }, Qt::QueuedConnection);
    }

    GameBrowser* q;  // only as the target of queued calls
    AvahiServiceBrowser* browser = nullptr;
    std::map<std::string, AvahiServiceResolver*> resolvers;
    AvahiThread thread{*this};
};

GameBrowser::GameBrowser(QObject* parent)
    : QObject(parent), reason_(QCoreApplication::translate("GameBrowser", "Идёт соединение с avahi-daemon")),
      avahi_(std::make_unique<Avahi>(this)) {
    qRegisterMetaType<FoundGame>();
    avahi_->thread.start();
}

// The thread is joined before the members it reports to go away.
GameBrowser::~GameBrowser() { avahi_.reset(); }

void GameBrowser::setAvailability(bool available, const QString& reason) {
    if (available == available_ && reason == reason_) return;
    available_ = available;
    reason_ = reason;
    if (!available) {
        const QList<QString> keys = games_.keys();
        games_.clear();
        for (const QString& key : keys) emit gameLost(key);
    }
    emit availabilityChanged(available);
}

void GameBrowser::found(const FoundGame& game) {
    auto known = games_.constFind(game.key);
    if (known != games_.constEnd() && known->playerName == game.playerName && known->hostName == game.hostName &&
        known->address == game.address && known->port == game.port)
        return;
    games_.insert(game.key, game);
    emit gameFound(game);
}

void GameBrowser::lost(const QString& key) {
    if (games_.remove(key)) emit gameLost(key);
}

}  // namespace reikoboy::net
