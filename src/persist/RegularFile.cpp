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

FileBytes failed(FileBytes::Status why) {
    FileBytes result;
    result.status = why;
    return result;
}

OpenedFile refused(FileBytes::Status why) {
    OpenedFile result;
    result.status = why;
    return result;
}

}  // namespace

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
}

OpenedFile openRegularFile(const std::string& name, std::size_t largest) noexcept {
    if (name.empty()) return refused(FileBytes::CannotOpen);
    // O_NONBLOCK: opening a FIFO must not wait for a writer, nor a device for its line.
    FileDescriptor file(::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) return refused(FileBytes::CannotOpen);
    struct stat about {};
    if (::fstat(file.get(), &about) != 0) return refused(FileBytes::ReadFailed);
    if (S_ISDIR(about.st_mode)) return refused(FileBytes::CannotOpen);
    if (!S_ISREG(about.st_mode)) return refused(FileBytes::NotRegular);
    if (about.st_size < 0 || std::size_t(about.st_size) > largest) return refused(FileBytes::TooLarge);
    OpenedFile opened{std::move(file), std::size_t(about.st_size), FileBytes::Read};
    return opened;
}

FileBytes readRegularFile(const std::string& name, std::size_t largest) noexcept {
    OpenedFile opened = openRegularFile(name, largest);
    if (opened.status != FileBytes::Read) return failed(opened.status);
    const FileDescriptor& file = opened.descriptor;
    FileBytes result;
    try {
        result.bytes.resize(opened.size);
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
