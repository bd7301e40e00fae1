// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/start/SessionSignals.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <ctime>

#include "ui/window/Form1.h"

namespace reikoboy {

namespace {

constexpr std::array<int, 3> kSessionSignals = {SIGTERM, SIGHUP, SIGINT};
// A program that has not begun to end this long after a signal no longer answers: a signal
// then ends it as it would have without the game's handler.
constexpr long kAnswersWithinSeconds = 5;

int pipeEnds[2] = {-1, -1};  // [0] read on the window's thread, [1] written by the handler
struct sigaction previous[kSessionSignals.size()];
// Lock-free atomics are safe in a handler, on whichever thread it runs.
std::atomic<long> firstUnansweredAt{0};  // seconds on the monotonic clock; 0: none waits
std::atomic<bool> ending{false};         // the window's thread is keeping the game
static_assert(std::atomic<long>::is_always_lock_free && std::atomic<bool>::is_always_lock_free);

long monotonicSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return long(now.tv_sec) + 1;  // never 0
}

// Only what is safe in a signal handler. A second signal while the game is being kept (a
// closed terminal sends SIGHUP twice) must not end the program half-way through a write.
void onSignal(int signal) {
    const int saved = errno;
    const long now = monotonicSeconds();
    long expected = 0;
    if (!ending.load() && !firstUnansweredAt.compare_exchange_strong(expected, now) &&
        now - expected >= kAnswersWithinSeconds) {
        ::signal(signal, SIG_DFL);
        ::raise(signal);
    }
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

// Keeps the window's thread itself from being interrupted while it writes; the handler on
// another thread only adds a byte to the pipe.
class SignalsHeldOff {
public:
    SignalsHeldOff() {
        sigset_t held;
        sigemptyset(&held);
        for (int signal : kSessionSignals) sigaddset(&held, signal);
        ::pthread_sigmask(SIG_BLOCK, &held, &before_);
    }
    ~SignalsHeldOff() { ::pthread_sigmask(SIG_SETMASK, &before_, nullptr); }

private:
    sigset_t before_;
};

}  // namespace

SessionSignals::SessionSignals(QObject* parent) : QObject(parent) {
    if (pipeEnds[0] >= 0 || ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionSignals::drain);
    firstUnansweredAt = 0;
    ending = false;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : kSessionSignals) sigaddset(&action.sa_mask, signal);  // one handler at a time
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kSessionSignals.size(); ++i) ::sigaction(kSessionSignals[i], &action, &previous[i]);
}

SessionSignals::~SessionSignals() {
    if (!notifier_) return;
    // A program ending for a signal has kept everything: more of them change nothing now.
    for (size_t i = 0; i < kSessionSignals.size(); ++i) {
        if (ending)
            ::signal(kSessionSignals[i], SIG_IGN);
        else
            ::sigaction(kSessionSignals[i], &previous[i], nullptr);
    }
    delete notifier_;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void SessionSignals::drain() {
    // Signals that came together, or while the first was being answered, end the session once.
    unsigned char byte = 0, last = 0;
    while (::read(pipeEnds[0], &byte, 1) == 1) last = byte;
    if (last == 0 || ending.exchange(true)) return;
    emit sessionEnds(last);
}

void endSessionOnSignals(Form1& window) {
    auto* watcher = new SessionSignals(&window);
    QObject::connect(watcher, &SessionSignals::sessionEnds, &window, [&window] {
        {
            SignalsHeldOff held;
            window.endOfSession(false);
        }
        // Every event loop ends, a dialog's too, and the program returns 0 from its main loop.
        QCoreApplication::exit(0);
    });
}

}  // namespace reikoboy
