// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "AvahiThread.h"

#include <QCoreApplication>
#include <avahi-common/error.h>
#include <avahi-common/timeval.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace reikoboy::net {

namespace {

// Without a system bus there is nobody to tell us when one comes; looking again now and then
// costs one failed connect().
constexpr int kRetryMilliseconds = 5000;

QString errorText(int error) { return QString::fromUtf8(avahi_strerror(error)); }

}  // namespace

AvahiThread::AvahiThread(Owner& owner) : owner_(owner) {}

AvahiThread::~AvahiThread() { stop(); }

bool AvahiThread::start() {
    if (poll_) return true;
    poll_ = avahi_threaded_poll_new();
    wakeFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (!poll_ || wakeFd_ < 0) {
        owner_.availability(false, QCoreApplication::translate("AvahiThread", "Не удалось запустить поиск игр в сети"));
        stop();
        return false;
    }
    const AvahiPoll* api = avahi_threaded_poll_get(poll_);
    wakeWatch_ = api->watch_new(api, wakeFd_, AVAHI_WATCH_IN, &AvahiThread::onWakeUp, this);
    // The first connection is made on Avahi's thread too: it asks the daemon twice and waits.
    struct timeval now;
    avahi_elapse_time(&now, 0, 0);
    connectTimer_ = api->timeout_new(api, &now, &AvahiThread::onConnectTime, this);
    if (!wakeWatch_ || !connectTimer_ || avahi_threaded_poll_start(poll_) < 0) {
        owner_.availability(false, QCoreApplication::translate("AvahiThread", "Не удалось запустить поиск игр в сети"));
        stop();
        return false;
    }
    running_ = true;
    return true;
}

void AvahiThread::stop() {
    if (running_) avahi_threaded_poll_stop(poll_);
    running_ = false;
    // The thread is gone: what follows runs alone. Freeing the client closes its bus first,
    // so its browsers and groups go without a word to the daemon, which drops them itself.
    if (client_) avahi_client_free(client_);
    client_ = nullptr;
    if (poll_) {
        const AvahiPoll* api = avahi_threaded_poll_get(poll_);
        if (connectTimer_) api->timeout_free(connectTimer_);
        if (wakeWatch_) api->watch_free(wakeWatch_);
        avahi_threaded_poll_free(poll_);
    }
    connectTimer_ = nullptr;
    wakeWatch_ = nullptr;
    poll_ = nullptr;
    if (wakeFd_ >= 0) close(wakeFd_);
    wakeFd_ = -1;
}

void AvahiThread::wake() {
    if (wakeFd_ < 0) return;
    const std::uint64_t one = 1;
    // A full counter already means "woken"; nothing to do when the write fails.
    [[maybe_unused]] ssize_t written = write(wakeFd_, &one, sizeof one);
}

void AvahiThread::connectLater(int milliseconds) {
    struct timeval when;
    avahi_elapse_time(&when, unsigned(milliseconds), 0);
    avahi_threaded_poll_get(poll_)->timeout_update(connectTimer_, &when);
}

void AvahiThread::onConnectTime(AvahiTimeout*, void* self) {
    auto* thread = static_cast<AvahiThread*>(self);
    const AvahiPoll* api = avahi_threaded_poll_get(thread->poll_);
    api->timeout_update(thread->connectTimer_, nullptr);
    if (thread->client_) {
        thread->owner_.clientGone();
        avahi_client_free(thread->client_);
        thread->client_ = nullptr;
    }
    int error = 0;
    // NO_FAIL: with the bus there but the daemon not, the client waits for the daemon.
    thread->client_ = avahi_client_new(api, AVAHI_CLIENT_NO_FAIL, &AvahiThread::onClientState, thread, &error);
    if (!thread->client_) {
        thread->owner_.availability(false, QCoreApplication::translate("AvahiThread", "Нет связи с avahi-daemon: %1").arg(errorText(error)));
        thread->connectLater(kRetryMilliseconds);
    }
}

void AvahiThread::onClientState(AvahiClient* client, AvahiClientState state, void* self) {
    // Called from inside avahi_client_new too, before client_ is set: use `client`.
    auto* thread = static_cast<AvahiThread*>(self);
    switch (state) {
    case AVAHI_CLIENT_S_RUNNING:
        thread->owner_.availability(true, QString());
        thread->owner_.clientRunning(client);
        break;
    case AVAHI_CLIENT_S_REGISTERING:
    case AVAHI_CLIENT_S_COLLISION:
        thread->owner_.clientRegistering(client);
        break;
    case AVAHI_CLIENT_CONNECTING:
        thread->owner_.availability(false, QCoreApplication::translate("AvahiThread", "Служба avahi-daemon не запущена"));
        break;
    case AVAHI_CLIENT_FAILURE: {
        const int error = avahi_client_errno(client);
        thread->owner_.clientGone();
        thread->owner_.availability(false, QCoreApplication::translate("AvahiThread", "Связь с avahi-daemon потеряна: %1").arg(errorText(error)));
        // Not freed here, inside its own callback: a new client is made on the next turn, at
        // once when the daemon just went away (it then waits for the daemon to come back).
        thread->connectLater(error == AVAHI_ERR_DISCONNECTED ? 0 : kRetryMilliseconds);
        break;
    }
    }
}

void AvahiThread::onWakeUp(AvahiWatch*, int fd, AvahiWatchEvent, void* self) {
    auto* thread = static_cast<AvahiThread*>(self);
    std::uint64_t count = 0;
    [[maybe_unused]] ssize_t read_ = read(fd, &count, sizeof count);
    const bool usable = thread->client_ && avahi_client_get_state(thread->client_) == AVAHI_CLIENT_S_RUNNING;
    thread->owner_.woken(usable ? thread->client_ : nullptr);
}

}  // namespace reikoboy::net
