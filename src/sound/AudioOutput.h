// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The audio device, through OpenAL Soft: a few sounds held in buffers and one source that plays
// them, so that a new sound always cuts off the one before.
#pragma once

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <array>
#include <memory>

#include "SoundFile.h"

namespace reikoboy {

struct OpenAl;

class AudioOutput {
public:
    static constexpr int kSlots = 4;

    // The default device, or null when there is none (no sound card, no sound server).
    static std::unique_ptr<AudioOutput> open() noexcept;
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // Hands `sound` to the device for `slot`; the samples are not needed afterwards.
    bool load(int slot, const DecodedSound& sound) noexcept;
    bool loaded(int slot) const { return buffers_[slot] != 0; }

    // Stops whatever plays, then starts `slot` from its beginning when it holds a sound.
    // Returns how long that sound lasts, in milliseconds (0 when nothing starts).
    int play(int slot) noexcept;
    bool playing() const noexcept;

    // While nothing plays, the device is paused, so that its mixer does not keep waking up.
    void pauseWhileSilent() noexcept;
    bool resting() const { return paused_; }

private:
    AudioOutput(const OpenAl& al, ALCdevice* device, ALCcontext* context)
        : al_(&al), device_(device), context_(context) {}
    void makeCurrent() const noexcept;

    const OpenAl* al_;
    ALCdevice* device_;
    ALCcontext* context_;
    ALuint source_ = 0;
    std::array<ALuint, kSlots> buffers_{};
    std::array<int, kSlots> milliseconds_{};
    LPALCDEVICEPAUSESOFT pause_ = nullptr;
    LPALCDEVICERESUMESOFT resume_ = nullptr;
    bool paused_ = false;
};

}  // namespace reikoboy
