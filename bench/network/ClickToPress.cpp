// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Two windows of the game playing each other over loopback, as two players would: each click on
// the side to move, and the moment the other window starts showing the same button pressed
// (the opponent's click arriving, without the 400 ms the window then shows it). A whole game,
// to the end-of-game question on both screens; then the CPU the two idle windows use while
// their connection only keeps itself alive.
// Usage: reikoboy-click-to-press [IDLE_SECONDS]   (Qt's offscreen platform; nothing is saved)
#include <sys/resource.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

#include "game/Board.h"
#include "net/NetworkPlay.h"
#include "ui/window/Form1.h"

using namespace reikoboy;

namespace {

double cpuMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// Runs the event loop, without spinning, until `done` or `ms` have passed.
bool waitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() >= ms) loop.quit();
    });
    poll.start(1);
    if (!done()) loop.exec();
    return done();
}

void idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config, data;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 30;

    Form1 host, joiner;
    for (Form1* w : {&host, &joiner}) {
        w->setOpponentShowMilliseconds(0);
        w->show();
    }
    if (!host.hostNetworkGame(QStringLiteral("Анна"), kBlue, 0, QStringLiteral("402913"))) return 1;
    joiner.joinNetworkGame(QStringLiteral("127.0.0.1"), host.networkGame()->port(), QStringLiteral("402913"),
                           QStringLiteral("Борис"));
    if (!waitFor([&] { return host.networkGame()->hasOpponent() && joiner.networkGame()->hasOpponent(); }, 10000))
        return 1;

    // Each side times the opponent's clicks as they arrive.
    double clickedAt = 0;
    std::vector<double> delays;
    for (Form1* w : {&host, &joiner})
        QObject::connect(w->networkGame(), &net::NetworkPlay::remoteClicked, w,
                         [&](BoardClick) { delays.push_back(nowMs() - clickedAt); });
    // The end-of-game question on each screen is answered «Нет».
    int questions = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++questions;
            box->done(QMessageBox::No);
        }
    });
    answer.start(20);

    std::mt19937 choose(11);
    int clicks = 0;
    while (questions < 2 && clicks < 5000) {
        Form1* mover = nullptr;
        if (!waitFor([&] {
                for (Form1* w : {&host, &joiner})
                    if (w->networkGame() && w->networkGame()->localMayMove()) mover = w;
                return mover != nullptr || questions >= 2;
            }, 30000) || !mover)
            break;
        QList<QAbstractButton*> offered;
        for (auto* b : mover->findChildren<QAbstractButton*>(QRegularExpression(QStringLiteral("^Command[1-5]"))))
            if (b->isVisible() && b->isEnabled()) offered << b;
        if (offered.isEmpty()) break;
        std::size_t before = delays.size();
        clickedAt = nowMs();
        offered[std::uniform_int_distribution<int>(0, int(offered.size()) - 1)(choose)]->click();
        ++clicks;
        if (!waitFor([&] { return delays.size() > before; }, 10000)) {
            std::fprintf(stderr, "click %d never arrived\n", clicks);
            return 1;
        }
    }
    waitFor([&] { return questions >= 2; }, 10000);
    if (questions < 2 || delays.empty()) {
        std::fprintf(stderr, "the game did not end: %d clicks, %d questions\n", clicks, questions);
        return 1;
    }
    std::vector<double> sorted = delays;
    std::sort(sorted.begin(), sorted.end());
    std::printf("whole game: %d clicks, each arrived on the other screen after: median %.2f ms, 90th percentile "
                "%.2f ms, worst %.2f ms\n",
                clicks, sorted[sorted.size() / 2], sorted[sorted.size() * 9 / 10], sorted.back());

    // Both windows idle, still connected: what their heartbeats cost.
    answer.stop();
    double cpuBefore = cpuMilliseconds();
    idle(idleSeconds * 1000);
    std::printf("two idle windows in a network game: %.0f ms of CPU in %d s, still connected: %s\n",
                cpuMilliseconds() - cpuBefore, idleSeconds,
                host.networkGame()->hasOpponent() && joiner.networkGame()->hasOpponent() ? "yes" : "no");
    return 0;
}
