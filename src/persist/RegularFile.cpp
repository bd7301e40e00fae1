// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>

namespace reikoboy {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

FileBytes failed(FileBytes::Status why) {
    FileBytes result;
    result.status = why;
    return result;
}

}  // namespace

FileBytes readRegularFile(const std::string& name, std::size_t largest) noexcept {
    if (name.empty()) return failed(FileBytes::CannotOpen);
    // O_NONBLOCK: opening a FIFO must not wait for a writer, nor a device for its line.
    Descriptor file(::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) return failed(FileBytes::CannotOpen);
    struct stat about {};
    if (::fstat(file.get(), &about) != 0) return failed(FileBytes::ReadFailed);
    if (S_ISDIR(about.st_mode)) return failed(FileBytes::CannotOpen);
    if (!S_ISREG(about.st_mode)) return failed(FileBytes::NotRegular);
    if (about.st_size < 0 || std::size_t(about.st_size) > largest) return failed(FileBytes::TooLarge);
    FileBytes result;
    try {
        result.bytes.resize(std::size_t(about.st_size));
    } catch (const std::bad_alloc&) {
        return failed(FileBytes::TooLarge);
    }
    // The file may grow while it is read: read at most one byte past the limit to notice.
    std::size_t have = 0;
    for (;;) {
        if (have == result.bytes.size()) {
            if (have > largest) return failed(FileBytes::TooLarge);
            try {
                result.bytes.resize(have + 1);
            } catch (const std::bad_alloc&) {
                return failed(FileBytes::TooLarge);
            }
        }
        ssize_t n = ::read(file.get(), result.bytes.data() + have, result.bytes.size() - have);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return failed(FileBytes::ReadFailed);
        if (n == 0) break;
        have += std::size_t(n);
    }
    result.bytes.resize(have);
    result.status = FileBytes::Read;
    return result;
}

}  // namespace reikoboy
