// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// One connection's side of the protocol, host or joiner: which message is allowed when, the
// greeting, the board transfer, the heartbeat and the flood limit. It reads lines and writes
// lines and knows no sockets, no clocks and no board: the caller passes the time in, sends
// what takeOutgoing() gives, and acts on what takeEvents() gives (src/net/Match.h plays them
// on a game). Once closed it takes nothing more; what is still to send (an ERROR) is sent
// before the connection is closed.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "LineFramer.h"
#include "Message.h"

namespace reikoboy::net {

using Millis = std::int64_t;  // a moment on the caller's steady clock, in milliseconds

struct Timing {
    Millis helloWithin = 10000;  // the joiner's first line
    Millis pingAfter = 5000;     // nothing sent for this long: PING
    Millis lostAfter = 20000;    // nothing received for this long: the connection is lost
};

inline constexpr int kMaxLinesPerSecond = 100;
// This side sends at most half as many, so that lines bunched up on their way stay within
// the peer's limit (a computer plays a whole game in well under a second).
inline constexpr int kPacedLinesPerSecond = 50;

enum class CloseCause {
    Refused,        // REFUSED sent (host) or received (joiner); text: the reason
    ErrorSent,      // this side found the peer breaking the protocol; text: the reason
    ErrorReceived,  // the peer sent ERROR; text: its reason
    PeerLeft,       // BYE received
    LeftHere,       // BYE sent
    Lost,           // 20 s without a line
    Disconnected,   // the connection closed under us
};

struct Event {
    enum class Kind {
        HelloReceived,  // host: right code and version; text: the joiner's name. Answer admit() or refuse().
        WrongCode,      // host: a HELLO with a wrong code (or from an address refused for now)
        Welcomed,       // joiner: colour: its own; text: the host's name
        BoardReceived,  // joiner: text: the saved-game bytes. Answer ready() or fail(bad-game).
        Ready,          // host: the joiner holds the board; text: its hash
        Move,           // click
        Check,          // text: the hash
        Chat,           // text
        AgainAsked,     // the peer asks for a new game
        AgainAgreed,    // both asked: the host sends the new board, colours swapped
        Closed,         // cause, text
    };
    Kind kind = Kind::Closed;
    int colour = 0;
    BoardClick click;
    std::string text;
    CloseCause cause = CloseCause::Disconnected;

    static Event of(Kind kind, std::string text = {}) {
        Event e;
        e.kind = kind;
        e.text = std::move(text);
        return e;
    }
};

class Session {
public:
    enum class Role { Host, Joiner };
    enum class Phase {
        AwaitHello,    // host: nothing received yet
        Admitting,     // host: a good HELLO waits for admit() or refuse()
        Welcomed,      // host: WELCOME sent, no board yet
        AwaitReady,    // host: a board sent, its READY not yet received
        AwaitWelcome,  // joiner: HELLO sent
        AwaitGame,     // joiner: welcomed, no board yet
        InBoard,       // joiner: between GAME and END
        CheckingBoard, // joiner: the board received waits for ready() or fail()
        Playing,
        Closed,
    };

    // A host's side of a connection that has just come in. `addressRefused`: the address gave
    // too many wrong codes; every HELLO from it is refused for its code.
    static Session host(std::string code, bool addressRefused, Millis now, Timing timing = {});
    // A joiner's side of a connection just made; its HELLO is the first line to send.
    static Session joiner(const std::string& code, const std::string& name, Millis now, Timing timing = {});

    Role role() const { return role_; }
    Phase phase() const { return phase_; }
    bool closed() const { return phase_ == Phase::Closed; }
    int joinerColour() const { return joinerColour_; }

    // What comes from the connection: a whole line, a fault the framer found, or its end.
    void receive(std::string_view line, Millis now);
    void framingFault(LineFramer::Fault fault);
    void disconnected();

    // Heartbeat, HELLO deadline and loss; call it at nextDeadline() (or any time).
    void tick(Millis now);
    Millis nextDeadline() const;

    // Host.
    void admit(int joinerColour, const std::string& hostName);
    void refuse(const char* reason);
    void sendBoard(std::string_view savedGame);
    // Joiner.
    void ready(const std::string& hash);
    // Both.
    void sendMove(BoardClick click);
    void sendCheck(const std::string& hash);
    bool sendChat(std::string_view text);  // false: not valid chat text, or not playing
    void askAgain();
    void fail(const char* reason);  // ERROR and close
    void leave();                   // BYE and close

    // Lines to send now, without their LF; `now` is when they leave. Lines beyond the pace
    // wait for a later call (nextDeadline() says when), also after the session closed.
    std::vector<std::string> takeOutgoing(Millis now);
    bool hasOutgoing() const { return !outgoing_.empty(); }
    std::vector<Event> takeEvents();

private:
    Session(Role role, Millis now, Timing timing);

    void send(const Message& message);
    void post(Event event) { events_.push_back(std::move(event)); }
    void close(CloseCause cause, std::string text = {});
    bool countLine(Millis now);
    Millis nextPacedLine() const;
    bool greeted() const;
    void receiveBoardLine(std::string_view line);
    void receiveHello(const Message& m);
    void receiveMessage(const Message& m);
    void receiveAgain();

    Role role_;
    Phase phase_;
    Timing timing_;
    std::string code_;
    bool addressRefused_ = false;
    int joinerColour_ = 0;
    Millis startedAt_;
    Millis lastReceived_;
    Millis lastSent_;
    std::array<Millis, kMaxLinesPerSecond> recentLines_{};  // when the last lines came, a ring
    std::size_t recentCount_ = 0;
    int boardsUnanswered_ = 0;  // host: boards sent whose READY has not come
    std::string board_;         // joiner: the board being received
    int boardLines_ = 0;
    bool againHere_ = false;
    bool againThere_ = false;
    struct Outgoing {
        std::string line;
        bool counted = true;  // the lines of a board count as one, its GAME
    };
    std::deque<Outgoing> outgoing_;
    std::array<Millis, kPacedLinesPerSecond> sentLines_{};  // when the last lines left, a ring
    std::size_t sentCount_ = 0;
    std::vector<Event> events_;
};

}  // namespace reikoboy::net
