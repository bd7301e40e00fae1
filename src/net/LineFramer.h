// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Cuts the bytes of a connection into lines: each ends in LF, a CR just before the LF is
// dropped, a line holds at most 4096 bytes with its LF and must be UTF-8. The bytes may come
// in pieces of any size; nothing longer than one line is ever kept.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace reikoboy::net {

inline constexpr std::size_t kMaxLineBytes = 4096;  // with its LF

class LineFramer {
public:
    enum class Fault { None, TooLong, BadUtf8 };

    // Adds received bytes. Once a fault is found, everything after it is ignored.
    void feed(std::string_view bytes);

    // The next whole line, without its line end; false when none is complete yet, or at a
    // line that is not UTF-8.
    bool next(std::string& line);

    // Why the connection cannot go on, once next() has handed out every line before it.
    Fault fault() const { return fault_; }

    // Bytes waiting: a line not yet ended, and whole lines not yet taken.
    std::size_t buffered() const { return buffer_.size() - taken_; }

private:
    std::string buffer_;
    std::size_t taken_ = 0;    // bytes of buffer_ already handed out as lines
    std::size_t scanned_ = 0;    // bytes of buffer_ already searched for LF
    std::size_t lineStart_ = 0;  // where the line not yet ended begins
    Fault fault_ = Fault::None;
};

}  // namespace reikoboy::net
