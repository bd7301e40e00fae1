// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Session.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace reikoboy::net {

using Kind = Message::Kind;
using Phase = Session::Phase;

Session::Session(Role role, Millis now, Timing timing)
    : role_(role),
      phase_(role == Role::Host ? Phase::AwaitHello : Phase::AwaitWelcome),
      timing_(timing),
      startedAt_(now),
      lastReceived_(now),
      lastSent_(now) {}

Session Session::host(std::string code, bool addressRefused, Millis now, Timing timing) {
    Session s(Role::Host, now, timing);
    s.code_ = std::move(code);
    s.addressRefused_ = addressRefused;
    return s;
}

Session Session::joiner(const std::string& code, const std::string& name, Millis now, Timing timing) {
    Session s(Role::Joiner, now, timing);
    s.send(Message::hello(code, name));
    return s;
}

void Session::send(const Message& message) { outgoing_.push_back({formatMessage(message)}); }

void Session::close(CloseCause cause, std::string text) {
    if (closed()) return;
    phase_ = Phase::Closed;
    Event e;
    e.kind = Event::Kind::Closed;
    e.cause = cause;
    e.text = std::move(text);
    post(std::move(e));
}

void Session::fail(const char* reason) {
    if (closed()) return;
    send(Message::with(Kind::Error, reason));
    close(CloseCause::ErrorSent, reason);
}

void Session::refuse(const char* reason) {
    if (closed()) return;
    send(Message::with(Kind::Refused, reason));
    close(CloseCause::Refused, reason);
}

void Session::leave() {
    if (closed()) return;
    send(Message::with(Kind::Bye));
    close(CloseCause::LeftHere);
}

void Session::disconnected() { close(CloseCause::Disconnected); }

void Session::framingFault(LineFramer::Fault fault) {
    if (fault == LineFramer::Fault::TooLong) fail(reason::kTooLong);
    if (fault == LineFramer::Fault::BadUtf8) fail(reason::kBadUtf8);
}

// True while the peer keeps within its lines a second; the lines of a board count as one.
bool Session::countLine(Millis now) {
    std::size_t oldest = recentCount_ % recentLines_.size();
    if (recentCount_ >= recentLines_.size() && now - recentLines_[oldest] < 1000) return false;
    recentLines_[oldest] = now;
    ++recentCount_;
    return true;
}

// Past the greeting: the heartbeat, chat and leaving are allowed.
bool Session::greeted() const {
    switch (phase_) {
    case Phase::Welcomed:
    case Phase::AwaitReady:
    case Phase::AwaitGame:
    case Phase::InBoard:
    case Phase::CheckingBoard:
    case Phase::Playing:
        return true;
    default:
        return false;
    }
}

void Session::receive(std::string_view line, Millis now) {
    if (closed()) return;
    lastReceived_ = now;
    if (phase_ == Phase::InBoard) {
        receiveBoardLine(line);
        return;
    }
    if (!countLine(now)) {
        fail(reason::kFlood);
        return;
    }
    auto message = parseMessage(line);
    if (!message) {
        fail(reason::kUnknown);
        return;
    }
    receiveMessage(*message);
}

void Session::receiveBoardLine(std::string_view line) {
    if (boardLines_ < kSavedGameLines) {
        board_.append(line);
        board_ += "\r\n";
        ++boardLines_;
        return;
    }
    if (line != "END") {
        fail(reason::kBadGame);
        return;
    }
    phase_ = Phase::CheckingBoard;
    Event e;
    e.kind = Event::Kind::BoardReceived;
    e.text = std::move(board_);
    board_.clear();
    post(std::move(e));
}

void Session::receiveHello(const Message& m) {
    if (m.version != kProtocolVersion) {
        refuse(reason::kVersion);
        return;
    }
    if (addressRefused_ || m.code != code_) {
        if (!addressRefused_) post(Event::of(Event::Kind::WrongCode));
        refuse(reason::kCode);
        return;
    }
    phase_ = Phase::Admitting;
    Event e;
    e.kind = Event::Kind::HelloReceived;
    e.text = m.text;
    post(std::move(e));
}

void Session::receiveMessage(const Message& m) {
    bool host = role_ == Role::Host;
    if (m.kind == Kind::Error) {
        close(CloseCause::ErrorReceived, m.text);
        return;
    }
    if (phase_ == Phase::AwaitHello) {
        if (m.kind == Kind::Hello) receiveHello(m);
        else fail(reason::kUnexpected);
        return;
    }
    if (phase_ == Phase::AwaitWelcome) {
        if (m.kind == Kind::Refused) {
            close(CloseCause::Refused, m.text);
        } else if (m.kind == Kind::Welcome && m.version == kProtocolVersion) {
            joinerColour_ = m.colour;
            phase_ = Phase::AwaitGame;
            Event e;
            e.kind = Event::Kind::Welcomed;
            e.colour = m.colour;
            e.text = m.text;
            post(std::move(e));
        } else {
            fail(reason::kUnexpected);
        }
        return;
    }
    if (!greeted()) {
        fail(reason::kUnexpected);
        return;
    }
    switch (m.kind) {
    case Kind::Ping:
        send(Message::with(Kind::Pong));
        return;
    case Kind::Pong:
        return;
    case Kind::Bye:
        close(CloseCause::PeerLeft);
        return;
    case Kind::Chat:
        post(Event::of(Event::Kind::Chat, m.text));
        return;
    case Kind::Game:
        if (host || (phase_ != Phase::AwaitGame && phase_ != Phase::Playing)) break;
        phase_ = Phase::InBoard;
        boardLines_ = 0;
        board_.clear();
        againHere_ = againThere_ = false;
        return;
    case Kind::Ready:
        if (!host || phase_ != Phase::AwaitReady) break;
        if (--boardsUnanswered_ == 0) {
            phase_ = Phase::Playing;
            post(Event::of(Event::Kind::Ready, m.text));
        }
        return;
    case Kind::Move:
    case Kind::Check:
    case Kind::Again:
        // What the joiner played on the board a new one replaced is dropped with that board.
        if (phase_ == Phase::AwaitReady) return;
        if (phase_ != Phase::Playing) break;
        if (m.kind == Kind::Move) {
            Event e = Event::of(Event::Kind::Move);
            e.click = m.click;
            post(std::move(e));
        } else if (m.kind == Kind::Check) {
            post(Event::of(Event::Kind::Check, m.text));
        }
        else {
            receiveAgain();
        }
        return;
    default:
        break;
    }
    fail(reason::kUnexpected);
}

void Session::receiveAgain() {
    if (againThere_) return;
    againThere_ = true;
    post(Event::of(Event::Kind::AgainAsked));
    if (againHere_) {
        againHere_ = againThere_ = false;
        post(Event::of(Event::Kind::AgainAgreed));
    }
}

void Session::askAgain() {
    if (phase_ != Phase::Playing || againHere_) return;
    send(Message::with(Kind::Again));
    againHere_ = true;
    if (againThere_) {
        againHere_ = againThere_ = false;
        post(Event::of(Event::Kind::AgainAgreed));
    }
}

void Session::admit(int joinerColour, const std::string& hostName) {
    if (phase_ != Phase::Admitting) return;
    joinerColour_ = joinerColour;
    send(Message::welcome(joinerColour, hostName));
    phase_ = Phase::Welcomed;
}

void Session::sendBoard(std::string_view savedGame) {
    if (role_ != Role::Host || (phase_ != Phase::Welcomed && phase_ != Phase::Playing && phase_ != Phase::AwaitReady))
        return;
    send(Message::with(Kind::Game));
    while (!savedGame.empty()) {
        std::size_t end = savedGame.find('\n');
        std::string_view line = savedGame.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        outgoing_.push_back({std::string(line), false});
        savedGame = end == std::string_view::npos ? std::string_view() : savedGame.substr(end + 1);
    }
    send(Message::with(Kind::End));
    outgoing_.back().counted = false;
    phase_ = Phase::AwaitReady;
    ++boardsUnanswered_;
    againHere_ = againThere_ = false;
}

void Session::ready(const std::string& hash) {
    if (phase_ != Phase::CheckingBoard) return;
    send(Message::with(Kind::Ready, hash));
    phase_ = Phase::Playing;
}

void Session::sendMove(BoardClick click) {
    if (phase_ == Phase::Playing) send(Message::move(click));
}

void Session::sendCheck(const std::string& hash) {
    if (phase_ == Phase::Playing) send(Message::with(Kind::Check, hash));
}

bool Session::sendChat(std::string_view text) {
    if (!greeted() || !isChatText(text)) return false;
    send(Message::with(Kind::Chat, std::string(text)));
    return true;
}

void Session::tick(Millis now) {
    if (closed()) return;
    if (phase_ == Phase::AwaitHello && now - startedAt_ >= timing_.helloWithin) {
        fail(reason::kTimeout);
        return;
    }
    if (now - lastReceived_ >= timing_.lostAfter) {
        close(CloseCause::Lost);
        return;
    }
    bool heartbeat = greeted() || phase_ == Phase::AwaitWelcome;
    if (heartbeat && outgoing_.empty() && now - lastSent_ >= timing_.pingAfter) send(Message::with(Kind::Ping));
}

// When the first line waiting may leave.
Millis Session::nextPacedLine() const {
    if (outgoing_.empty()) return std::numeric_limits<Millis>::max();
    if (!outgoing_.front().counted || sentCount_ < sentLines_.size()) return 0;
    return sentLines_[sentCount_ % sentLines_.size()] + 1000;
}

Millis Session::nextDeadline() const {
    if (closed()) return nextPacedLine();
    Millis next = std::min(nextPacedLine(), lastReceived_ + timing_.lostAfter);
    if (phase_ == Phase::AwaitHello) next = std::min(next, startedAt_ + timing_.helloWithin);
    if (greeted() || phase_ == Phase::AwaitWelcome) next = std::min(next, lastSent_ + timing_.pingAfter);
    return next;
}

std::vector<std::string> Session::takeOutgoing(Millis now) {
    std::vector<std::string> lines;
    while (!outgoing_.empty() && nextPacedLine() <= now) {
        if (outgoing_.front().counted) sentLines_[sentCount_++ % sentLines_.size()] = now;
        lines.push_back(std::move(outgoing_.front().line));
        outgoing_.pop_front();
    }
    if (!lines.empty()) lastSent_ = now;
    return lines;
}

std::vector<Event> Session::takeEvents() { return std::exchange(events_, {}); }

}  // namespace reikoboy::net
