// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "SessionSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

#include "Form1.h"

namespace reikoboy {

namespace {

constexpr std::array<int, 3> kSessionSignals = {SIGTERM, SIGHUP, SIGINT};

int pipeEnds[2] = {-1, -1};  // [0] read on the window's thread, [1] written by the handler
struct sigaction previous[kSessionSignals.size()];

// Only what is safe in a signal handler: one write that never blocks.
void onSignal(int signal) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

}  // namespace

SessionSignals::SessionSignals(QObject* parent) : QObject(parent) {
    if (pipeEnds[0] >= 0 || ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionSignals::drain);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // A second signal of the same kind ends a program that no longer answers, as before.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (size_t i = 0; i < kSessionSignals.size(); ++i) ::sigaction(kSessionSignals[i], &action, &previous[i]);
}

SessionSignals::~SessionSignals() {
    if (!notifier_) return;
    for (size_t i = 0; i < kSessionSignals.size(); ++i) ::sigaction(kSessionSignals[i], &previous[i], nullptr);
    delete notifier_;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void SessionSignals::drain() {
    // Signals that came together end the session once.
    unsigned char byte = 0, last = 0;
    while (::read(pipeEnds[0], &byte, 1) == 1) last = byte;
    if (last != 0) emit sessionEnds(last);
}

void endSessionOnSignals(Form1& window) {
    auto* watcher = new SessionSignals(&window);
    QObject::connect(watcher, &SessionSignals::sessionEnds, &window, [&window] {
        window.endOfSession(false);
        // Every event loop ends, a dialog's too, and the program returns 0 from its main loop.
        QCoreApplication::exit(0);
    });
}

}  // namespace reikoboy
