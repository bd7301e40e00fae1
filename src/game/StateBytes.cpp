// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "StateBytes.h"

#include <bit>
#include <cstring>
#include <string>

namespace reikoboy {

namespace {

#if defined(__GLIBCXX__) && defined(__x86_64__)
// A field added to GameState must be added to eachField below too, or taking a move back
// would lose it.
static_assert(sizeof(GameState) == 2680, "GameState changed: update eachField in StateBytes.cpp");
#endif

// Every game field, in one order for writing and reading. Texts come last.
template <class State, class Coder>
void eachField(State& s, Coder& code) {
    code(s.patternPos);
    for (auto& position : s.railCells)
        for (auto& cell : position) code(cell);
    for (auto& shift : s.railShift) code(shift);
    code(s.drumPos);
    code(s.lastMoved);
    code(s.turnColour);
    code(s.dropInTurn);
    code(s.blueDropped);
    code(s.redDropped);
    for (auto& out : s.blueOut) code(out);
    for (auto& out : s.redOut) code(out);
    code(s.chipsOut);
    code(s.blueScore);
    code(s.redScore);
    for (auto& column : s.blueAt)
        for (auto& chip : column) code(chip);
    for (auto& column : s.redAt)
        for (auto& chip : column) code(chip);
    for (auto& chip : s.blueFalling) code(chip);
    for (auto& chip : s.redFalling) code(chip);
    code(s.blueFallCount);
    code(s.redFallCount);
    code(s.fallStep);
    code(s.movingRail);
    code(s.railStep);
    code(s.freshGame);
    for (auto& rail : s.Image1) code(rail.Left);
    auto chips = [&](auto& pictures) {
        for (auto& chip : pictures) {
            code(chip.Left);
            code(chip.Top);
            code(chip.Visible);
        }
    };
    chips(s.Image5);
    chips(s.Image6);
    code(s.Image3Picture);
    code(s.Label1.ForeColor);
    code(s.Label2.ForeColor);
    code(s.Label3.ForeColor);
    auto buttons = [&](auto& array) {
        for (auto& button : array) {
            code(button.Visible);
            code(button.Enabled);
        }
    };
    buttons(s.Command1);
    buttons(s.Command2);
    buttons(s.Command3);
    buttons(s.Command4);
    code(s.Command5.Visible);
    code(s.Command5.Enabled);
    code(s.Timer1.Enabled);
    code(s.Timer2.Enabled);
    code(s.Timer3.Enabled);
    code(s.railPattern);
    code(s.resultText);
    code(s.Label1.Caption);
    code(s.Label2.Caption);
    code(s.Label3.Caption);
}

class Writer {
public:
    explicit Writer(StateBytes& out) : out_(out) {}

    void operator()(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void operator()(int v) { (*this)(static_cast<std::uint32_t>(v)); }
    void operator()(float v) { (*this)(std::bit_cast<std::uint32_t>(v)); }
    void operator()(bool v) { out_.push_back(v ? 1 : 0); }
    void operator()(Value v) {
        (*this)(int(v));
        (*this)(v.isSet());
    }
    void operator()(const std::string& text) {
        (*this)(static_cast<std::uint32_t>(text.size()));
        out_.insert(out_.end(), text.begin(), text.end());
    }

private:
    StateBytes& out_;
};

class Reader {
public:
    explicit Reader(const StateBytes& in) : in_(in) {}

    bool ok() const { return ok_ && at_ == in_.size(); }

    void operator()(std::uint32_t& v) {
        v = 0;
        if (!take(4)) return;
        for (int i = 0; i < 4; ++i) v |= std::uint32_t(in_[at_ - 4 + i]) << (8 * i);
    }
    void operator()(int& v) {
        std::uint32_t u = 0;
        (*this)(u);
        v = static_cast<int>(u);
    }
    void operator()(float& v) {
        std::uint32_t u = 0;
        (*this)(u);
        v = std::bit_cast<float>(u);
    }
    void operator()(bool& v) { v = take(1) && in_[at_ - 1] != 0; }
    void operator()(Value& v) {
        int number = 0;
        bool set = false;
        (*this)(number);
        (*this)(set);
        v = set ? Value(number) : Value::unset();
    }
    void operator()(std::string& text) {
        std::uint32_t size = 0;
        (*this)(size);
        if (!take(size)) return;
        text.assign(reinterpret_cast<const char*>(in_.data() + at_ - size), size);
    }

private:
    bool take(std::size_t n) {
        if (!ok_ || in_.size() - at_ < n) return ok_ = false;
        at_ += n;
        return true;
    }

    const StateBytes& in_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

void putCount(StateBytes& out, std::size_t n) {
    while (n >= 0x80) {
        out.push_back(static_cast<std::uint8_t>(n | 0x80));
        n >>= 7;
    }
    out.push_back(static_cast<std::uint8_t>(n));
}

std::size_t getCount(const StateBytes& in, std::size_t& at) {
    std::size_t n = 0;
    for (int shift = 0; at < in.size() && shift < 64; shift += 7) {
        std::uint8_t byte = in[at++];
        n |= std::size_t(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) break;
    }
    return n;
}

// Runs of changes closer than this are written as one run: a run costs two counts.
constexpr std::size_t kJoinGap = 3;

}  // namespace

StateBytes encodeState(const GameState& state) {
    StateBytes out;
    out.reserve(2048);
    Writer writer(out);
    eachField(state, writer);
    out.shrink_to_fit();
    return out;
}

bool decodeState(const StateBytes& bytes, GameState& into) {
    Reader reader(bytes);
    eachField(into, reader);
    return reader.ok();
}

StateBytes makePatch(const StateBytes& from, const StateBytes& to) {
    auto differs = [&](std::size_t i) { return i >= from.size() || from[i] != to[i]; };
    StateBytes patch;
    putCount(patch, to.size());
    std::size_t written = 0;
    for (std::size_t i = 0; i < to.size(); ++i) {
        if (!differs(i)) continue;
        std::size_t end = i + 1;
        for (std::size_t same = 0; end < to.size() && same <= kJoinGap; ++end)
            same = differs(end) ? 0 : same + 1;
        while (!differs(end - 1)) --end;
        putCount(patch, i - written);
        putCount(patch, end - i);
        patch.insert(patch.end(), to.begin() + std::ptrdiff_t(i), to.begin() + std::ptrdiff_t(end));
        written = end;
        i = end - 1;
    }
    patch.shrink_to_fit();
    return patch;
}

StateBytes applyPatch(const StateBytes& from, const StateBytes& patch) {
    std::size_t at = 0;
    StateBytes to = from;
    to.resize(getCount(patch, at));
    for (std::size_t written = 0; at < patch.size();) {
        written += getCount(patch, at);
        std::size_t length = getCount(patch, at);
        if (length > patch.size() - at || written > to.size() || length > to.size() - written)
            break;  // not a patch of these bytes
        std::memcpy(to.data() + written, patch.data() + at, length);
        at += length;
        written += length;
    }
    return to;
}

}  // namespace reikoboy
