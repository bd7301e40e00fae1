// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Reads one of the game's short sound files into memory, refusing anything that is not a whole,
// small, ordinary sound file: the file may be anything a player's disk holds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace reikoboy {

struct DecodedSound {
    std::vector<std::int16_t> samples;  // interleaved frames
    int channels = 0;                   // 1 or 2
    int sampleRate = 0;
};

// The game's sounds are a fraction of a second; anything far larger is not one of them.
inline constexpr long long kLargestSoundFile = 4 * 1024 * 1024;
inline constexpr int kLongestSoundSeconds = 20;

// The decoded sound of the file at `path`, or nothing when it is missing, not a regular file,
// too large, cut short, unreadable, or not a mono or stereo sound, or when libsndfile is not
// installed. Never throws.
std::optional<DecodedSound> readSoundFile(const std::string& path) noexcept;

}  // namespace reikoboy
