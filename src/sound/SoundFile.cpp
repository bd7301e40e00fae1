// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "SoundFile.h"

#include <unistd.h>

#include <cstring>
#include <memory>

#include "SoundLibraries.h"
#include "persist/RegularFile.h"

namespace reikoboy {
namespace {

struct FileCloser {
    const SndFile* sf;
    void operator()(SNDFILE* file) const { sf->sf_close(file); }
};

// libsndfile plays a cut-off WAV up to where it ends; a file shorter than its own RIFF header
// says is damaged, and a damaged sound stays silent.
bool riffCutShort(int fd, long long fileSize) {
    unsigned char header[8];
    if (pread(fd, header, sizeof header, 0) != ssize_t(sizeof header)) return false;
    if (std::memcmp(header, "RIFF", 4) != 0) return false;
    unsigned long long riffSize = header[4] | header[5] << 8 | header[6] << 16 |
                                  static_cast<unsigned long long>(header[7]) << 24;
    return riffSize + 8 > static_cast<unsigned long long>(fileSize);
}

std::optional<DecodedSound> decode(const SndFile& sf, int fd, long long fileSize) {
    if (riffCutShort(fd, fileSize)) return std::nullopt;
    SF_INFO info{};
    // libsndfile closes nothing it did not open: the descriptor stays ours.
    std::unique_ptr<SNDFILE, FileCloser> file(sf.sf_open_fd(fd, SFM_READ, &info, SF_FALSE), {&sf});
    if (!file) return std::nullopt;
    if (info.channels < 1 || info.channels > 2) return std::nullopt;
    if (info.samplerate < 8000 || info.samplerate > 192000) return std::nullopt;
    if (info.frames <= 0 || info.frames > sf_count_t(info.samplerate) * kLongestSoundSeconds)
        return std::nullopt;
    DecodedSound sound;
    sound.channels = info.channels;
    sound.sampleRate = info.samplerate;
    sound.samples.resize(std::size_t(info.frames) * std::size_t(info.channels));
    sf_count_t read = sf.sf_readf_short(file.get(), sound.samples.data(), info.frames);
    if (read != info.frames || sf.sf_error(file.get()) != SF_ERR_NO_ERROR) return std::nullopt;
    return sound;
}

}  // namespace

std::optional<DecodedSound> readSoundFile(const std::string& path) noexcept {
    const SndFile* sf = sndFile();
    if (!sf) return std::nullopt;
    try {
        // A FIFO or a device named like a sound cannot hold up the game.
        OpenedFile opened = openRegularFile(path, std::size_t(kLargestSoundFile));
        if (opened.status != FileBytes::Read || opened.size == 0) return std::nullopt;
        return decode(*sf, opened.descriptor.get(), static_cast<long long>(opened.size));
    } catch (...) {  // out of memory: the sound stays silent, the game goes on
        return std::nullopt;
    }
}

}  // namespace reikoboy
