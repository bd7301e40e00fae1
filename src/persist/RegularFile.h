// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Reading a whole file the game did not make itself (a saved game, a picture, a help page):
// only a regular file of a sane size is read, so a device, a FIFO or a folder can neither
// block the game, nor fill its memory, nor throw. Standard C++ and POSIX.
#pragma once

#include <cstddef>
#include <string>

namespace reikoboy {

inline constexpr std::size_t kLargestSavedGame = 4u << 20;
inline constexpr std::size_t kLargestHelpFile = 4u << 20;
inline constexpr std::size_t kLargestPicture = 48u << 20;

struct FileBytes {
    enum Status {
        Read,             // `bytes` holds the whole file
        CannotOpen,       // missing, no permission, a folder
        NotRegular,       // a device, a FIFO, a socket
        TooLarge,         // a regular file over the size given
        ReadFailed,       // the disk failed while reading
    } status = CannotOpen;
    std::string bytes;

    bool ok() const { return status == Read; }
};

// Never blocks on the file (a FIFO is opened without waiting for a writer) and never throws.
FileBytes readRegularFile(const std::string& name, std::size_t largest) noexcept;

// A file descriptor that is closed with its holder.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) noexcept : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileDescriptor& operator=(FileDescriptor&&) = delete;
    ~FileDescriptor();
    int get() const { return fd_; }

private:
    int fd_;
};

// The same gate for a reader that reads the file itself (a decoder library): the file opened
// for reading with its size when `status` is Read, else the reason it was refused.
struct OpenedFile {
    FileDescriptor descriptor;
    std::size_t size = 0;
    FileBytes::Status status = FileBytes::CannotOpen;
};
OpenedFile openRegularFile(const std::string& name, std::size_t largest) noexcept;

}  // namespace reikoboy
