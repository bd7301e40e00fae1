// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Avahi's client on a thread of its own. Every call into avahi-daemon is a blocking D-Bus
// round trip, so none is made on the window's thread: the client is made, remade after the
// daemon goes away, and used only here. The window's thread only wakes this one up.
#pragma once

#include <avahi-client/client.h>
#include <avahi-common/thread-watch.h>

#include <QString>

namespace reikoboy::net {

class AvahiThread {
public:
    // Everything here runs on Avahi's thread with its lock held.
    class Owner {
    public:
        // The daemon is up: make browsers and entry groups (again).
        virtual void clientRunning(AvahiClient* client) = 0;
        // The daemon is renaming the host: entry groups are to be reset until it runs again.
        virtual void clientRegistering(AvahiClient*) {}
        // The client is failing or about to be freed: free all made from it, forget it.
        virtual void clientGone() = 0;
        virtual void availability(bool available, const QString& reason) = 0;
        // wake() was called; client is null while there is none.
        virtual void woken(AvahiClient* client) = 0;

    protected:
        ~Owner() = default;
    };

    explicit AvahiThread(Owner& owner);
    ~AvahiThread();
    AvahiThread(const AvahiThread&) = delete;
    AvahiThread& operator=(const AvahiThread&) = delete;

    // Starts the thread, which then connects; false (and availability told) when it cannot.
    bool start();
    // Joins the thread and frees the client with all made from it. Not from Avahi's thread.
    void stop();
    // From any thread, without waiting for Avahi's lock.
    void wake();

private:
    static void onClientState(AvahiClient* client, AvahiClientState state, void* self);
    static void onConnectTime(AvahiTimeout* timeout, void* self);
    static void onWakeUp(AvahiWatch* watch, int fd, AvahiWatchEvent event, void* self);
    void connectLater(int milliseconds);

    Owner& owner_;
    AvahiThreadedPoll* poll_ = nullptr;
    AvahiClient* client_ = nullptr;
    AvahiTimeout* connectTimer_ = nullptr;
    AvahiWatch* wakeWatch_ = nullptr;
    int wakeFd_ = -1;
    bool running_ = false;
};

}  // namespace reikoboy::net
