// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The move script, line by line, in bounded memory: an overlong line is reported, not held,
// and a failed read is told apart from the end of the script.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace reikoboy {

class ScriptReader {
public:
    static constexpr std::size_t kMaxLine = 65536;  // bytes; no move comes near it

    enum Result { Line, TooLong, End, Failed };

    explicit ScriptReader(std::FILE* in) : in_(in), buffer_(kMaxLine) {}

    // The next line without its line feed. A line over kMaxLine bytes is read to its end but
    // only its first kMaxLine bytes are kept (TooLong). Failed: the script could not be read.
    Result next(std::string& line);

    // The errno of the failed read.
    int error() const { return error_; }

private:
    bool fill();

    std::FILE* in_;
    std::vector<char> buffer_;
    std::size_t at_ = 0;
    std::size_t size_ = 0;
    int error_ = 0;
};

}  // namespace reikoboy
