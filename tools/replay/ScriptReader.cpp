// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ScriptReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace reikoboy {

bool ScriptReader::fill() {
    errno = 0;
    size_ = std::fread(buffer_.data(), 1, buffer_.size(), in_);
    at_ = 0;
    if (size_ == 0 && std::ferror(in_)) error_ = errno != 0 ? errno : EIO;
    return size_ != 0;
}

ScriptReader::Result ScriptReader::next(std::string& line) {
    line.clear();
    bool tooLong = false, any = false;
    for (;;) {
        if (at_ == size_ && !fill()) {
            if (error_ != 0) return Failed;
            if (!any) return End;
            break;  // the last line has no line feed
        }
        any = true;
        const char* start = buffer_.data() + at_;
        const void* feed = std::memchr(start, '\n', size_ - at_);
        std::size_t length =
            feed ? std::size_t(static_cast<const char*>(feed) - start) : size_ - at_;
        std::size_t room = kMaxLine - line.size();
        line.append(start, std::min(length, room));
        tooLong = tooLong || length > room;
        at_ += length;
        if (feed) {
            ++at_;
            break;
        }
    }
    return tooLong ? TooLong : Line;
}

}  // namespace reikoboy
