// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Finding network games on the local network as a player meets it: with no avahi-daemon at
// all, and with a daemon of the test's own in a network namespace of its own, where a game is
// announced, found, survives the daemon's restart, clashes with a namesake and is withdrawn.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <optional>

#include "PrivateAvahi.h"
#include "ai/SilentHost.h"
#include "game/Board.h"
#include "game/Game.h"
#include "game/History.h"
#include "net/GameAnnouncer.h"
#include "net/GameBrowser.h"
#include "net/NetworkModule.h"
#include "net/NetworkPlay.h"

using namespace reikoboy::net;

namespace {

// Set in the copy of this program that runs inside the namespaces.
constexpr char kInsideNamespace[] = "REIKOBOY_DISCOVERY_NAMESPACE";
constexpr int kWaitMs = 20000;

template <typename Done>
bool waitFor(Done done) {
    return QTest::qWaitFor(done, kWaitMs);
}

std::optional<FoundGame> gameOn(const GameBrowser& browser, quint16 port) {
    for (const FoundGame& game : browser.games())
        if (game.port == port) return game;
    return std::nullopt;
}

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

}  // namespace

TEST(DiscoveryWithoutDaemon, BrowserAndAnnouncerSayWhyAndCarryOn) {
    QTemporaryDir nowhere;
    // libdbus reads this once per process: nothing in this program has used D-Bus before.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + QFile::encodeName(nowhere.path()) + "/no-bus");
    GameBrowser browser;
    GameAnnouncer announcer;
    QSignalSpy browserChanged(&browser, &GameBrowser::availabilityChanged);
    QSignalSpy failed(&announcer, &GameAnnouncer::announceFailed);
    QSignalSpy announced(&announcer, &GameAnnouncer::announced);
    announcer.announce(QStringLiteral("Анна"), 47323);

    ASSERT_TRUE(waitFor([&] { return browserChanged.count() > 0 && failed.count() > 0; }));
    EXPECT_FALSE(browser.available());
    EXPECT_TRUE(browser.unavailableReason().contains(QStringLiteral("avahi-daemon")))
        << browser.unavailableReason().toStdString();
    EXPECT_TRUE(browser.games().isEmpty());
    EXPECT_FALSE(announcer.available());
    EXPECT_FALSE(failed.first().first().toString().isEmpty());
    EXPECT_EQ(announced.count(), 0);
    announcer.withdraw();
}

namespace {

// Runs this one test again inside new network and mount namespaces; the reason when it cannot.
std::optional<std::string> runInsideNamespaces(std::string& output, int& exitCode) {
    if (::geteuid() != 0) return "needs root to make a network namespace";
    if (QString missing = missingPrivateAvahiTools(); !missing.isEmpty())
        return "missing " + missing.toStdString() + " (packages avahi-daemon, dbus-daemon, iproute2, util-linux)";
    if (QProcess::execute(QStringLiteral("unshare"), {"--net", "--mount", "true"}) != 0)
        return "unshare cannot make network and mount namespaces here";

    QProcess inside;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kInsideNamespace, "1");
    inside.setProcessEnvironment(environment);
    inside.setProcessChannelMode(QProcess::MergedChannels);
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    inside.start(QStringLiteral("unshare"),
                 {"--net", "--mount", "--propagation", "private", "--", QCoreApplication::applicationFilePath(),
                  QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
    // Each wait inside is bounded; this bounds them all.
    if (!inside.waitForFinished(180000)) {
        inside.kill();
        inside.waitForFinished(5000);
    }
    output = inside.readAll().toStdString();
    exitCode = inside.exitStatus() == QProcess::NormalExit ? inside.exitCode() : -1;
    return std::nullopt;
}

}  // namespace

// Outside the namespaces: runs the test inside them and reports its result (true); inside: false.
#define RUN_INSIDE_NAMESPACES()                                                                         \
    if (!qEnvironmentVariableIsSet(kInsideNamespace)) {                                                 \
        std::string output;                                                                             \
        int exitCode = 0;                                                                               \
        if (auto skip = runInsideNamespaces(output, exitCode)) GTEST_SKIP() << *skip;                   \
        if (exitCode == 0 && output.find("[  SKIPPED ]") != std::string::npos) GTEST_SKIP() << output; \
        EXPECT_EQ(exitCode, 0) << output;                                                               \
        std::cout << output;                                                                            \
        return;                                                                                         \
    }

TEST(DiscoveryOnPrivateNetwork, AnnouncedGameIsFoundKeptAcrossRestartAndLost) {
    RUN_INSIDE_NAMESPACES();

    PrivateAvahi network;
    QString why;
    if (!network.prepare(why)) GTEST_SKIP() << why.toStdString();
    ASSERT_TRUE(network.startDaemon(why)) << why.toStdString();
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", network.busAddress());

    const long before = residentKiB();
    GameBrowser browser;
    auto announcer = std::make_unique<GameAnnouncer>();
    ASSERT_TRUE(waitFor([&] { return browser.available() && announcer->available(); }))
        << browser.unavailableReason().toStdString() << network.daemonLog().toStdString();
    std::cout << "A browser and an announcer connected to avahi-daemon add " << residentKiB() - before
              << " KiB resident\n";
    ::testing::Test::RecordProperty("discovery_rss_kib", int(residentKiB() - before));

    // A stranger's game shows a short name of one line; a game of another version is not listed.
    ASSERT_TRUE(waitFor([&] { return gameOn(browser, PrivateAvahi::kStrangerPort).has_value(); }))
        << network.daemonLog().toStdString();
    EXPECT_EQ(gameOn(browser, PrivateAvahi::kStrangerPort)->playerName, PrivateAvahi::strangerNameShown());

    // The host announces; a player nearby sees her name and the port to join.
    QSignalSpy announced(announcer.get(), &GameAnnouncer::announced);
    announcer->announce(QStringLiteral("Анна"), 47323);
    ASSERT_TRUE(waitFor([&] { return gameOn(browser, 47323).has_value(); })) << network.daemonLog().toStdString();
    FoundGame game = *gameOn(browser, 47323);
    EXPECT_EQ(game.playerName, QStringLiteral("Анна"));
    EXPECT_TRUE(game.hostName.startsWith(QLatin1String(PrivateAvahi::kHostName))) << game.hostName.toStdString();
    EXPECT_TRUE(game.address == QLatin1String("127.77.0.1") || game.address.startsWith(QLatin1String("fe80:")))
        << game.address.toStdString();
    if (game.address.startsWith(QLatin1String("fe80:"))) {
        EXPECT_TRUE(game.address.endsWith(QLatin1String("%rkb0"))) << game.address.toStdString();
    }
    EXPECT_TRUE(game.thisMachine);
    ASSERT_TRUE(waitFor([&] { return announced.count() > 0; }));
    EXPECT_EQ(announced.first().first().toString(), QStringLiteral("Рейкобой: Анна"));

    // The daemon goes away: the list empties and says why. It comes back: so does the game.
    network.stopDaemon();
    ASSERT_TRUE(waitFor([&] { return !browser.available() && browser.games().isEmpty(); }));
    EXPECT_FALSE(browser.unavailableReason().isEmpty());
    ASSERT_TRUE(network.startDaemon(why)) << why.toStdString();
    ASSERT_TRUE(waitFor([&] { return browser.available() && gameOn(browser, 47323).has_value(); }))
        << browser.unavailableReason().toStdString() << network.daemonLog().toStdString();
    EXPECT_EQ(gameOn(browser, 47323)->playerName, QStringLiteral("Анна"));

    // A second host of the same name gets a name of its own; both games are listed.
    {
        GameAnnouncer namesake;
        QSignalSpy namesakeAnnounced(&namesake, &GameAnnouncer::announced);
        ASSERT_TRUE(waitFor([&] { return namesake.available(); }));
        namesake.announce(QStringLiteral("Анна"), 47324);
        ASSERT_TRUE(waitFor([&] { return namesakeAnnounced.count() > 0 && gameOn(browser, 47324).has_value(); }));
        EXPECT_NE(namesakeAnnounced.first().first().toString(), QStringLiteral("Рейкобой: Анна"));
        EXPECT_EQ(gameOn(browser, 47324)->playerName, QStringLiteral("Анна"));
        EXPECT_TRUE(gameOn(browser, 47323).has_value());
    }
    // Gone with its announcer.
    ASSERT_TRUE(waitFor([&] { return !gameOn(browser, 47324).has_value(); }));

    QSignalSpy lost(&browser, &GameBrowser::gameLost);
    announcer->withdraw();
    ASSERT_TRUE(waitFor([&] { return !gameOn(browser, 47323).has_value(); }));
    EXPECT_GE(lost.count(), 1);
    EXPECT_TRUE(browser.available());
    EXPECT_TRUE(gameOn(browser, PrivateAvahi::kStrangerPort).has_value());
    EXPECT_FALSE(gameOn(browser, PrivateAvahi::kOtherVersionPort).has_value());
    announcer.reset();
}

// The window's way: the network module as the game loads it, a host that announces its game
// while it waits for an opponent, and the list a joiner sees.
TEST(DiscoveryOnPrivateNetwork, TheModuleListsAHostedGameOnlyWhileItWaitsForAnOpponent) {
    RUN_INSIDE_NAMESPACES();
    PrivateAvahi network;
    QString why;
    if (!network.prepare(why)) GTEST_SKIP() << why.toStdString();
    ASSERT_TRUE(network.startDaemon(why)) << why.toStdString();
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", network.busAddress());

    QLibrary library(QStringLiteral(REIKOBOY_NETWORK_MODULE));
    auto entry = reinterpret_cast<NetworkModuleEntry>(library.resolve(kNetworkModuleEntry));
    ASSERT_NE(entry, nullptr) << library.errorString().toStdString();
    EXPECT_EQ(entry(kNetworkModuleVersion + 1), nullptr);
    NetworkModule* module = entry(kNetworkModuleVersion);
    ASSERT_NE(module, nullptr);

    reikoboy::ai::SilentHost hostSide, joinSide;
    reikoboy::Game hostGame(hostSide), joinGame(joinSide);
    hostGame.formLoad("", "");
    joinGame.formLoad("", "");
    reikoboy::History hostHistory, joinHistory;
    int changes = 0;
    std::unique_ptr<GameFinder> finder = module->findGames([&] { ++changes; });
    std::unique_ptr<NetworkPlay> host(module->makeGame(hostGame, hostHistory, nullptr));
    ASSERT_TRUE(host->host(0, "424242", "Анна", reikoboy::kBlue));
    module->announce(*host, QStringLiteral("Анна"));
    const quint16 port = host->port();
    auto listed = [&] {
        const QList<FoundGame> games = finder->games();
        return std::any_of(games.begin(), games.end(),
                           [&](const FoundGame& g) { return g.port == port && g.playerName == "Анна"; });
    };
    ASSERT_TRUE(waitFor(listed)) << network.daemonLog().toStdString();
    EXPECT_TRUE(finder->available());
    EXPECT_FALSE(finder->connecting());
    EXPECT_GT(changes, 0);

    // An opponent joins: the game is no longer offered to others.
    std::unique_ptr<NetworkPlay> joiner(module->makeGame(joinGame, joinHistory, nullptr));
    joiner->join(QStringLiteral("127.0.0.1"), port, "424242", "Борис");
    ASSERT_TRUE(waitFor([&] { return host->hasOpponent() && joiner->hasOpponent(); }));
    ASSERT_TRUE(waitFor([&] { return !listed(); }));
    // The opponent leaves: the host waits, and says so, again.
    joiner->leave();
    ASSERT_TRUE(waitFor([&] { return !host->hasOpponent(); }));
    ASSERT_TRUE(waitFor(listed));
    // The host's game ends: gone from the list.
    host.reset();
    ASSERT_TRUE(waitFor([&] { return !listed(); }));
    joiner.reset();
    finder.reset();
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
