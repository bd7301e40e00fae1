// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "GameAnnouncer.h"

#include <avahi-client/publish.h>
#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <mutex>
#include <string>

#include "AvahiThread.h"
#include "DiscoveredName.h"
#include "GameBrowser.h"

namespace reikoboy::net {

namespace {

// Enough for any clash on a home network; a daemon refusing every name is not argued with.
constexpr int kMaxRenames = 12;

QString errorText(int error) { return QString::fromUtf8(avahi_strerror(error)); }

}  // namespace

struct GameAnnouncer::Avahi final : AvahiThread::Owner {
    // What the window wants announced; written on its thread, read on Avahi's.
    struct Wish {
        bool on = false;
        std::string name;  // the player's, already plain
        quint16 port = 0;
        unsigned number = 0;  // a new announce() starts again from the wanted instance name
    };

    explicit Avahi(GameAnnouncer* announcer) : q(announcer) {}
    ~Avahi() { thread.stop(); }

    void want(const Wish& wish) {
        {
            std::lock_guard lock(wishMutex);
            const unsigned number = wanted.number + 1;
            wanted = wish;
            wanted.number = number;
        }
        thread.wake();
    }

    void availability(bool available, const QString& reason) override {
        QMetaObject::invokeMethod(q, [q = q, available, reason] { q->setAvailability(available, reason); },
                                  Qt::QueuedConnection);
        // Told once per cause, not at every look for a missing bus.
        if (!available && reason != lastReason && current().on) failed(reason);
        lastReason = available ? QString() : reason;
    }

    void clientRunning(AvahiClient* client) override { publish(client); }

    void clientRegistering(AvahiClient*) override {
        // The host's own name is being (re)claimed; services follow once it has one.
        if (group) avahi_entry_group_reset(group);
    }

    void clientGone() override {
        if (group) avahi_entry_group_free(group);
        group = nullptr;
    }

    void woken(AvahiClient* client) override {
        if (client) {
            publish(client);
        } else if (current().on) {
            failed(QCoreApplication::translate("GameAnnouncer", "Служба avahi-daemon недоступна"));
        }
    }

    Wish current() {
        std::lock_guard lock(wishMutex);
        return wanted;
    }

    void failed(const QString& reason) {
        QMetaObject::invokeMethod(q, [q = q, reason] { emit q->announceFailed(reason); }, Qt::QueuedConnection);
    }

    void publish(AvahiClient* client) {
        const Wish wish = current();
        if (!wish.on) {
            if (group) avahi_entry_group_reset(group);
            return;
        }
        if (wish.number != publishedNumber) {
            instanceName = serviceInstanceName(QString::fromStdString(wish.name));
            publishedNumber = wish.number;
        }
        if (!group) group = avahi_entry_group_new(client, &Avahi::onGroupState, this);
        if (!group) {
            failed(errorText(avahi_client_errno(client)));
            return;
        }
        avahi_entry_group_reset(group);
        const std::string nameEntry = "name=" + wish.name;
        int error = AVAHI_ERR_COLLISION;
        for (int rename = 0; error == AVAHI_ERR_COLLISION && rename <= kMaxRenames; ++rename) {
            error = avahi_entry_group_add_service(group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, AvahiPublishFlags(0),
                                                  instanceName.c_str(), kGameServiceType, nullptr, nullptr, wish.port,
                                                  "v=1", nameEntry.c_str(), nullptr);
            if (error == AVAHI_ERR_COLLISION) takeAlternativeName();
        }
        if (error >= 0) error = avahi_entry_group_commit(group);
        if (error < 0) failed(errorText(error));
    }

    void takeAlternativeName() {
        char* other = avahi_alternative_service_name(instanceName.c_str());
        if (other) instanceName = other;
        avahi_free(other);
    }

    static void onGroupState(AvahiEntryGroup* group, AvahiEntryGroupState state, void* self) {
        auto* avahi = static_cast<Avahi*>(self);
        switch (state) {
        case AVAHI_ENTRY_GROUP_ESTABLISHED:
            QMetaObject::invokeMethod(
                avahi->q, [q = avahi->q, name = QString::fromStdString(avahi->instanceName)] { emit q->announced(name); },
                Qt::QueuedConnection);
            break;
        case AVAHI_ENTRY_GROUP_COLLISION:
            // Another machine announces a game under this name: take the next one and go again.
            avahi->takeAlternativeName();
            avahi->publish(avahi_entry_group_get_client(group));
            break;
        case AVAHI_ENTRY_GROUP_FAILURE:
            avahi->failed(errorText(avahi_client_errno(avahi_entry_group_get_client(group))));
            break;
        case AVAHI_ENTRY_GROUP_UNCOMMITED:
        case AVAHI_ENTRY_GROUP_REGISTERING:
            break;
        }
    }

    GameAnnouncer* q;  // only as the target of queued calls
    std::mutex wishMutex;
    Wish wanted;  // under wishMutex
    AvahiEntryGroup* group = nullptr;
    std::string instanceName;
    unsigned publishedNumber = 0;
    QString lastReason;
    AvahiThread thread{*this};
};

GameAnnouncer::GameAnnouncer(QObject* parent)
    : QObject(parent), reason_(QCoreApplication::translate("GameAnnouncer", "Идёт соединение с avahi-daemon")),
      avahi_(std::make_unique<Avahi>(this)) {
    avahi_->thread.start();
}

GameAnnouncer::~GameAnnouncer() { avahi_.reset(); }

void GameAnnouncer::announce(const QString& playerName, quint16 port) {
    avahi_->want({true, discoveredName(playerName.toStdString()).toStdString(), port, 0});
}

void GameAnnouncer::withdraw() { avahi_->want({}); }

void GameAnnouncer::setAvailability(bool available, const QString& reason) {
    if (available == available_ && reason == reason_) return;
    available_ = available;
    reason_ = reason;
    emit availabilityChanged(available);
}

}  // namespace reikoboy::net
