// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "LineFramer.h"

#include "Utf8.h"

namespace reikoboy::net {

void LineFramer::feed(std::string_view bytes) {
    if (fault_ != Fault::None) return;
    if (taken_ > 0) {  // lines already handed out are dropped before the buffer grows
        buffer_.erase(0, taken_);
        scanned_ -= taken_;
        lineStart_ -= taken_;
        taken_ = 0;
    }
    buffer_.append(bytes);
    // A line is measured as it grows, so a peer that never sends LF costs one line of memory.
    for (std::size_t end; (end = buffer_.find('\n', scanned_)) != std::string::npos; scanned_ = end + 1) {
        if (end + 1 - lineStart_ > kMaxLineBytes) {
            fault_ = Fault::TooLong;
            return;
        }
        lineStart_ = end + 1;
    }
    scanned_ = buffer_.size();
    if (buffer_.size() - lineStart_ >= kMaxLineBytes) fault_ = Fault::TooLong;
}

bool LineFramer::next(std::string& line) {
    // Lines ended before an overlong one are still handed out, in order.
    if (fault_ == Fault::BadUtf8 || taken_ >= lineStart_) return false;
    std::size_t end = buffer_.find('\n', taken_);
    std::string_view text(buffer_.data() + taken_, end - taken_);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (!isValidUtf8(text)) {
        fault_ = Fault::BadUtf8;
        return false;
    }
    line.assign(text);
    taken_ = end + 1;
    return true;
}

}  // namespace reikoboy::net
