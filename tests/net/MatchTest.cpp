// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Two boards kept the same over the protocol: whole games played by the computer on both
// sides, a new game with the colours swapped, a rejoin, and a peer that cheats, desyncs or
// sends a board that «Открыть...» would refuse — cut off, with this side's board unchanged.
#include <gtest/gtest.h>

#include <sstream>

#include "MatchPair.h"
#include "persist/SavedGame.h"

using namespace reikoboy;
using namespace reikoboy::net;
using namespace reikoboy::net::testing;

namespace {

struct Pair {
    Side host{Session::host(kCode, false, 0), kBlue};
    Side joiner{Session::joiner(kCode, "Гость", 0), kRed};
};

}  // namespace

TEST(Match, ALongGameStaysTheSameBytesOnBothSides) {
    Pair p;
    int turns = playOn(p.host, p.joiner, 300);
    EXPECT_GT(turns, 100);
    EXPECT_EQ(p.joiner.match->localColour(), kRed);
    EXPECT_GT(int(p.host.game.state().chipsOut), 4);
    EXPECT_EQ(writeSavedGame(p.host.game.state()), writeSavedGame(p.joiner.game.state()));
    EXPECT_TRUE(p.host.match->settled());
    EXPECT_TRUE(p.joiner.match->settled());
    EXPECT_FALSE(p.host.session.closed());
    EXPECT_GT(p.host.history.undoCount(), 10u);  // the peer's clicks are in the history too
}

TEST(Match, AgainFromBothStartsANewGameWithTheColoursSwapped) {
    Pair p;
    playOn(p.host, p.joiner, 100);  // a new game may be asked for at any moment
    p.host.match->askAgain();
    p.joiner.match->askAgain();
    deliver(p.host, p.joiner);
    deliver(p.joiner, p.host);
    deliver(p.host, p.joiner);
    deliver(p.joiner, p.host);
    EXPECT_EQ(p.host.match->localColour(), kRed);
    EXPECT_EQ(p.joiner.match->localColour(), kBlue);
    ASSERT_TRUE(p.host.match->agreed());
    ASSERT_TRUE(p.joiner.match->agreed());
    EXPECT_EQ(int(p.host.game.state().chipsOut), 0);
    EXPECT_TRUE(p.joiner.match->localMayMove());  // blue moves first, now the joiner
    EXPECT_FALSE(p.host.match->localMayMove());
    EXPECT_GT(playOn(p.host, p.joiner, 300), 100);  // the computer need not end this one
    EXPECT_EQ(writeSavedGame(p.host.game.state()), writeSavedGame(p.joiner.game.state()));
}

TEST(Match, ARejoinGoesOnFromTheHostsBoard) {
    Pair p;
    playOn(p.host, p.joiner, 6);
    std::string before = writeSavedGame(p.host.game.state());
    ASSERT_GT(p.host.history.undoCount(), 2u);
    p.host.session.disconnected();  // the joiner vanished mid-game
    p.host.reconnect(Session::host(kCode, false, 0));
    EXPECT_EQ(writeSavedGame(p.host.game.state()), before);

    Side second{Session::joiner(kCode, "Снова", 0), kRed};
    EXPECT_GT(playOn(p.host, second, 200), 50);
    EXPECT_EQ(writeSavedGame(p.host.game.state()), writeSavedGame(second.game.state()));
    EXPECT_TRUE(second.closes.empty());
}

TEST(Match, AClickThatIsNotTheSendersOrNotOfferedIsRefusedAndTheBoardStays) {
    for (const std::string& cheat : std::vector<std::string>{"MOVE Command1 3", "MOVE Command5"}) {
        Pair p;
        deliver(p.joiner, p.host);
        deliver(p.host, p.joiner);
        deliver(p.joiner, p.host);  // READY: blue, the host, is to move
        std::string before = writeSavedGame(p.host.game.state());
        p.joiner.session.takeOutgoing(0);
        p.host.session.receive(cheat, 0);
        for (const Event& e : p.host.session.takeEvents()) p.host.match->handle(e);
        p.host.match->pump();
        EXPECT_EQ(p.host.session.takeOutgoing(0).back(), "ERROR not-offered") << cheat;
        EXPECT_TRUE(p.host.session.closed());
        EXPECT_EQ(writeSavedGame(p.host.game.state()), before);
    }
    // Command5 (the pass) is not offered before a drop, even on the mover's own turn.
    Side host{Session::host(kCode, false, 0), kRed};
    Side joiner{Session::joiner(kCode, "", 0), kBlue};
    deliver(joiner, host);
    deliver(host, joiner);
    deliver(joiner, host);
    joiner.session.sendMove({Button::Command5, 0});
    deliver(joiner, host);
    EXPECT_EQ(host.session.takeOutgoing(0).back(), "ERROR not-offered");
}

TEST(Match, AHashThatDiffersIsADesync) {
    Pair p;
    bool tampered = false;
    playOn(p.host, p.joiner, 20, [&](std::string& line) {
        if (!tampered && line.rfind("CHECK ", 0) == 0) {
            line = "CHECK " + std::string(64, '0');
            tampered = true;
        }
    });
    ASSERT_TRUE(tampered);
    ASSERT_FALSE(p.joiner.closes.empty());
    EXPECT_EQ(p.joiner.closes[0].cause, CloseCause::ErrorSent);
    EXPECT_EQ(p.joiner.closes[0].text, "desync");
    EXPECT_TRUE(p.host.session.closed());  // it heard the ERROR
    EXPECT_FALSE(p.host.match->gameOver());
}

TEST(Match, ABoardThatOpenWouldRefuseIsRefusedAndTheJoinerKeepsItsBoard) {
    Side joiner{Session::joiner(kCode, "", 0), kRed};
    joiner.game.click(Button::Command1, 2);  // its board is not the start any more
    joiner.game.finishAnimation();
    std::string before = writeSavedGame(joiner.game.state());
    std::string good = before;
    std::vector<std::string> boards{good, good};
    boards[0].clear();
    for (int i = 0; i < kSavedGameLines; ++i) boards[0] += "\r\n";  // every value left empty
    boards[1].replace(0, good.find('\r'), "999999");  // a rail far off the board
    for (const std::string& bad : boards) {
        Side fresh{Session::joiner(kCode, "", 0), kRed};
        std::string text = bad;
        fresh.session.receive("WELCOME 1 red", 0);
        fresh.session.receive("GAME", 0);
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            fresh.session.receive(line, 0);
        }
        fresh.session.receive("END", 0);
        fresh.game.restore(joiner.game.state());
        for (const Event& e : fresh.session.takeEvents()) fresh.match->handle(e);
        EXPECT_EQ(fresh.session.takeOutgoing(0).back(), "ERROR bad-game");
        EXPECT_EQ(writeSavedGame(fresh.game.state()), before);
    }
}

// A window shows each of the opponent's presses before it plays: nothing moves, and this side
// may not move, until the show ends; once the peer has left, what it sent plays without a show.
TEST(Match, APressOnShowIsPlayedOnlyWhenTheShowEnds) {
    Pair p;
    std::vector<BoardClick> shown, played;
    p.joiner.match->onRemoteShow = [&](BoardClick c) { shown.push_back(c); };
    p.joiner.match->onRemoteClick = [&](BoardClick c) { played.push_back(c); };
    auto endShows = [&](Side& side) {
        for (int i = 0; i < 20 && !side.match->settled(); ++i) {
            side.match->playShownClick();
            for (int k = 0; k < 100 && side.game.state().animating(); ++k) {
                side.game.finishAnimation();
                side.match->pump();
            }
        }
    };
    deliver(p.joiner, p.host);
    deliver(p.host, p.joiner);
    deliver(p.joiner, p.host);  // READY: blue, the host, is to move
    ASSERT_TRUE(playComputerTurn(p.host));
    std::string before = writeSavedGame(p.joiner.game.state());
    deliver(p.host, p.joiner);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(played.empty());
    EXPECT_EQ(writeSavedGame(p.joiner.game.state()), before);
    EXPECT_FALSE(p.joiner.match->settled());
    EXPECT_FALSE(p.joiner.match->localMayMove());
    endShows(p.joiner);
    EXPECT_EQ(played, shown);
    EXPECT_TRUE(p.joiner.match->settled());
    EXPECT_TRUE(p.joiner.match->localMayMove());
    EXPECT_EQ(writeSavedGame(p.joiner.game.state()), writeSavedGame(p.host.game.state()));

    // The joiner's turn, the host's next one, then the host leaves while its first press shows.
    ASSERT_TRUE(playComputerTurn(p.joiner));
    deliver(p.joiner, p.host);
    ASSERT_TRUE(playComputerTurn(p.host));
    shown.clear();
    played.clear();
    deliver(p.host, p.joiner);
    ASSERT_EQ(shown.size(), 1u);
    p.host.session.leave();
    deliver(p.host, p.joiner);
    EXPECT_TRUE(p.joiner.session.closed());
    endShows(p.joiner);
    EXPECT_EQ(shown.size(), 1u);  // the rest played without a show
    EXPECT_GE(played.size(), 1u);
    EXPECT_EQ(writeSavedGame(p.joiner.game.state()), writeSavedGame(p.host.game.state()));
}
