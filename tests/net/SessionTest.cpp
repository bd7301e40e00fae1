// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// One side of a connection, fed line by line with the time given: the greeting and its
// refusals, what is allowed when, the board transfer, the heartbeat, and hostile peers, each
// answered with its ERROR and the connection closed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/Board.h"
#include "net/Session.h"

using namespace reikoboy;
using namespace reikoboy::net;
using Phase = Session::Phase;

namespace {

const std::string kCode = "314159";
const std::string kHash(64, 'b');

std::string board() {
    std::string text;
    for (int i = 0; i < kSavedGameLines; ++i) text += std::to_string(i) + ",1,#TRUE#\r\n";
    return text;
}

// A host past its greeting, with a board sent and answered.
Session playingHost(Millis now = 0) {
    Session host = Session::host(kCode, false, now);
    host.receive("HELLO reikoboy 1 " + kCode + " Гость", now);
    host.admit(kRed, "Хозяин");
    host.sendBoard(board());
    host.receive("READY " + kHash, now);
    host.takeOutgoing(now);
    host.takeEvents();
    return host;
}

std::vector<Event::Kind> kinds(const std::vector<Event>& events) {
    std::vector<Event::Kind> out;
    for (const Event& e : events) out.push_back(e.kind);
    return out;
}

void expectClosedWith(Session& s, const std::string& lastLine, CloseCause cause, Millis now = 0) {
    auto out = s.takeOutgoing(now);
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out.back(), lastLine);
    EXPECT_TRUE(s.closed());
    auto events = s.takeEvents();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().kind, Event::Kind::Closed);
    EXPECT_EQ(events.back().cause, cause);
}

}  // namespace

TEST(Session, HostGreetsAJoinerWithTheRightCodeAndSendsTheBoard) {
    Session host = Session::host(kCode, false, 0);
    EXPECT_TRUE(host.takeOutgoing(0).empty());
    host.receive("HELLO reikoboy 1 " + kCode + " Гость", 100);
    auto events = host.takeEvents();
    ASSERT_EQ(kinds(events), std::vector{Event::Kind::HelloReceived});
    EXPECT_EQ(events[0].text, "Гость");
    host.admit(kRed, "Хозяин");
    host.sendBoard(board());
    auto out = host.takeOutgoing(100);
    ASSERT_EQ(out.size(), 1u + 1 + kSavedGameLines + 1);
    EXPECT_EQ(out[0], "WELCOME 1 red Хозяин");
    EXPECT_EQ(out[1], "GAME");
    EXPECT_EQ(out[2], "0,1,#TRUE#");
    EXPECT_EQ(out.back(), "END");
    EXPECT_EQ(host.phase(), Phase::AwaitReady);
    host.receive("MOVE Command1 3", 200);  // crossed the board: dropped with the old board
    host.receive("READY " + kHash, 300);
    events = host.takeEvents();
    ASSERT_EQ(kinds(events), std::vector{Event::Kind::Ready});
    EXPECT_EQ(events[0].text, kHash);
    EXPECT_EQ(host.phase(), Phase::Playing);
}

TEST(Session, HostRefusesWrongCodeVersionAndBusy) {
    Session wrong = Session::host(kCode, false, 0);
    wrong.receive("HELLO reikoboy 1 000000 x", 0);
    EXPECT_EQ(wrong.takeEvents().front().kind, Event::Kind::WrongCode);
    EXPECT_EQ(wrong.takeOutgoing(0), std::vector<std::string>{"REFUSED code"});
    EXPECT_TRUE(wrong.closed());

    Session blocked = Session::host(kCode, true, 0);  // even the right code, for a minute
    blocked.receive("HELLO reikoboy 1 " + kCode + " x", 0);
    expectClosedWith(blocked, "REFUSED code", CloseCause::Refused);

    Session version = Session::host(kCode, false, 0);
    version.receive("HELLO reikoboy 7 " + kCode, 0);
    expectClosedWith(version, "REFUSED version", CloseCause::Refused);

    Session busy = Session::host(kCode, false, 0);
    busy.receive("HELLO reikoboy 1 " + kCode, 0);
    busy.refuse(reason::kBusy);
    expectClosedWith(busy, "REFUSED busy", CloseCause::Refused);
}

TEST(Session, HostCutsAPeerThatSaysNothingOrTheWrongThingFirst) {
    Session silent = Session::host(kCode, false, 0);
    EXPECT_EQ(silent.nextDeadline(), 10000);
    silent.tick(9999);
    EXPECT_FALSE(silent.closed());
    silent.tick(10000);
    expectClosedWith(silent, "ERROR timeout", CloseCause::ErrorSent);

    for (const std::string& first : std::vector<std::string>{"PING", "MOVE Command1 3", "READY " + kHash, "WELCOME 1 red x"}) {
        Session s = Session::host(kCode, false, 0);
        s.receive(first, 0);
        expectClosedWith(s, "ERROR unexpected", CloseCause::ErrorSent);
    }
    Session unknown = Session::host(kCode, false, 0);
    unknown.receive("GET / HTTP/1.1", 0);
    expectClosedWith(unknown, "ERROR unknown", CloseCause::ErrorSent);
    unknown.receive("HELLO reikoboy 1 " + kCode, 0);  // nothing more once closed
    EXPECT_TRUE(unknown.takeOutgoing(0).empty());
    EXPECT_TRUE(unknown.takeEvents().empty());
}

TEST(Session, MessagesNotAllowedWhilePlaying) {
    for (const std::string& line : std::vector<std::string>{"HELLO reikoboy 1 " + kCode, "READY " + kHash, "WELCOME 1 blue", "GAME", "END",
                             "REFUSED busy"}) {
        Session host = playingHost();
        host.receive(line, 0);
        expectClosedWith(host, "ERROR unexpected", CloseCause::ErrorSent);
    }
    Session host = playingHost();
    host.receive("MOVE Command1 3", 0);
    host.receive("CHECK " + kHash, 0);
    host.receive("CHAT привет", 0);
    host.receive("PING", 0);
    EXPECT_EQ(kinds(host.takeEvents()), (std::vector{Event::Kind::Move, Event::Kind::Check, Event::Kind::Chat}));
    EXPECT_EQ(host.takeOutgoing(0), std::vector<std::string>{"PONG"});
    host.receive("ERROR desync", 0);
    auto events = host.takeEvents();
    EXPECT_EQ(events.back().cause, CloseCause::ErrorReceived);
    EXPECT_EQ(events.back().text, "desync");
    EXPECT_TRUE(host.takeOutgoing(0).empty());  // no answer to an ERROR
}

TEST(Session, MoreThanAHundredLinesInASecondIsAFlood) {
    Session steady = playingHost();
    for (int i = 0; i < 300; ++i) steady.receive("PONG", 1000 + i * 10);  // 100 a second, for three seconds
    EXPECT_FALSE(steady.closed());

    Session flood = playingHost();
    for (int i = 0; i < 100; ++i) flood.receive("PONG", 5000 + i);
    EXPECT_FALSE(flood.closed());
    flood.receive("PONG", 5999);
    expectClosedWith(flood, "ERROR flood", CloseCause::ErrorSent);
}

TEST(Session, HeartbeatPingsAfterFiveSecondsAndLosesThePeerAfterTwenty) {
    Session host = playingHost(0);
    EXPECT_EQ(host.nextDeadline(), 5000);
    host.tick(4999);
    EXPECT_TRUE(host.takeOutgoing(4999).empty());
    host.tick(5000);
    EXPECT_EQ(host.takeOutgoing(5000), std::vector<std::string>{"PING"});
    EXPECT_EQ(host.nextDeadline(), 10000);
    host.receive("PONG", 6000);
    EXPECT_EQ(host.nextDeadline(), 10000);
    for (Millis t = 10000; t < 26000; t += 5000) {
        host.tick(t);
        host.takeOutgoing(t);
    }
    EXPECT_FALSE(host.closed());
    EXPECT_EQ(host.nextDeadline(), 26000);
    host.tick(26000);
    EXPECT_TRUE(host.closed());
    EXPECT_EQ(host.takeEvents().back().cause, CloseCause::Lost);
}

TEST(Session, JoinerReceivesItsColourAndTheBoardLineForLine) {
    Session joiner = Session::joiner(kCode, "Гость", 0);
    EXPECT_EQ(joiner.takeOutgoing(0), std::vector<std::string>{"HELLO reikoboy 1 " + kCode + " Гость"});
    joiner.receive("WELCOME 1 red Хозяин", 10);
    auto events = joiner.takeEvents();
    ASSERT_EQ(kinds(events), std::vector{Event::Kind::Welcomed});
    EXPECT_EQ(events[0].colour, kRed);
    EXPECT_EQ(events[0].text, "Хозяин");
    joiner.receive("GAME", 20);
    std::string text = board();
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find("\r\n", at);
        joiner.receive(text.substr(at, end - at), 20);  // 212 lines in a moment are no flood
        at = end + 2;
    }
    joiner.receive("END", 20);
    events = joiner.takeEvents();
    ASSERT_EQ(kinds(events), std::vector{Event::Kind::BoardReceived});
    EXPECT_EQ(events[0].text, text);
    joiner.ready(kHash);
    EXPECT_EQ(joiner.takeOutgoing(30), std::vector<std::string>{"READY " + kHash});
    EXPECT_EQ(joiner.phase(), Phase::Playing);
}

TEST(Session, JoinerRefusedOrSentABoardThatDoesNotEnd) {
    Session refused = Session::joiner(kCode, "", 0);
    refused.receive("REFUSED busy", 0);
    auto events = refused.takeEvents();
    EXPECT_EQ(events.back().cause, CloseCause::Refused);
    EXPECT_EQ(events.back().text, "busy");

    Session longBoard = Session::joiner(kCode, "", 0);
    longBoard.receive("WELCOME 1 blue", 0);
    longBoard.receive("GAME", 0);
    for (int i = 0; i < kSavedGameLines; ++i) longBoard.receive("1", 0);
    longBoard.receive("1", 0);
    expectClosedWith(longBoard, "ERROR bad-game", CloseCause::ErrorSent);

    Session early = Session::joiner(kCode, "", 0);
    early.receive("MOVE Command1 1", 0);
    expectClosedWith(early, "ERROR unexpected", CloseCause::ErrorSent);
}

TEST(Session, BothAskingAgainAgreesOnANewGame) {
    Session host = playingHost();
    host.askAgain();
    host.askAgain();  // once is enough
    EXPECT_EQ(host.takeOutgoing(0), std::vector<std::string>{"AGAIN"});
    host.receive("AGAIN", 0);
    EXPECT_EQ(kinds(host.takeEvents()), (std::vector{Event::Kind::AgainAsked, Event::Kind::AgainAgreed}));
}

TEST(Session, FramingFaultsAndLeaving) {
    Session a = playingHost();
    a.framingFault(LineFramer::Fault::TooLong);
    expectClosedWith(a, "ERROR too-long", CloseCause::ErrorSent);
    Session b = playingHost();
    b.framingFault(LineFramer::Fault::BadUtf8);
    expectClosedWith(b, "ERROR bad-utf8", CloseCause::ErrorSent);
    Session c = playingHost();
    c.leave();
    expectClosedWith(c, "BYE", CloseCause::LeftHere);
    Session d = playingHost();
    d.receive("BYE", 0);
    EXPECT_EQ(d.takeEvents().back().cause, CloseCause::PeerLeft);
}
