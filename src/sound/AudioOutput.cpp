// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "AudioOutput.h"

#include <cstring>

#include "QuietLibraries.h"
#include "SoundLibraries.h"

namespace reikoboy {

std::unique_ptr<AudioOutput> AudioOutput::open() noexcept {
    quietenSoundLibraries();
    const OpenAl* al = openAl();
    if (!al) return nullptr;
    ALCdevice* device = al->alcOpenDevice(nullptr);
    if (!device) return nullptr;
    ALCcontext* context = al->alcCreateContext(device, nullptr);
    if (!context) {
        al->alcCloseDevice(device);
        return nullptr;
    }
    std::unique_ptr<AudioOutput> output(new (std::nothrow) AudioOutput(*al, device, context));
    if (!output) {
        al->alcDestroyContext(context);
        al->alcCloseDevice(device);
        return nullptr;
    }
    output->makeCurrent();
    al->alGetError();
    al->alGenSources(1, &output->source_);
    if (al->alGetError() != AL_NO_ERROR) return nullptr;
    // The sounds are heard as recorded: no position, no distance.
    al->alSourcei(output->source_, AL_SOURCE_RELATIVE, AL_TRUE);
    if (al->alIsExtensionPresent("AL_SOFT_direct_channels"))
        al->alSourcei(output->source_, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
    // OpenAL Soft 1.19's wave writer, a recording tool, rewrites its header on a pause and,
    // resumed, records on over it: it is never rested.
    const ALCchar* name = al->alcGetString(device, ALC_ALL_DEVICES_SPECIFIER);
    bool recorder = name && std::strcmp(name, "Wave File Writer") == 0;
    if (!recorder && al->alcIsExtensionPresent(device, "ALC_SOFT_pause_device")) {
        void* pause = al->alcGetProcAddress(device, "alcDevicePauseSOFT");
        void* resume = al->alcGetProcAddress(device, "alcDeviceResumeSOFT");
        output->pause_ = reinterpret_cast<LPALCDEVICEPAUSESOFT>(pause);
        output->resume_ = reinterpret_cast<LPALCDEVICERESUMESOFT>(resume);
    }
    return output;
}

AudioOutput::~AudioOutput() {
    makeCurrent();
    if (source_) {
        al_->alSourceStop(source_);
        al_->alDeleteSources(1, &source_);
    }
    for (ALuint& buffer : buffers_)
        if (buffer) al_->alDeleteBuffers(1, &buffer);
    if (al_->alcGetCurrentContext() == context_) al_->alcMakeContextCurrent(nullptr);
    al_->alcDestroyContext(context_);
    al_->alcCloseDevice(device_);
}

// Another player in the same process (a test makes several windows) may have made its own
// context current.
void AudioOutput::makeCurrent() const noexcept {
    if (al_->alcGetCurrentContext() != context_) al_->alcMakeContextCurrent(context_);
}

bool AudioOutput::load(int slot, const DecodedSound& sound) noexcept {
    if (slot < 0 || slot >= kSlots || buffers_[slot] || sound.samples.empty()) return false;
    makeCurrent();
    al_->alGetError();
    ALuint buffer = 0;
    al_->alGenBuffers(1, &buffer);
    if (al_->alGetError() != AL_NO_ERROR) return false;
    ALenum format = sound.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
    al_->alBufferData(buffer, format, sound.samples.data(),
                 ALsizei(sound.samples.size() * sizeof(sound.samples[0])), sound.sampleRate);
    if (al_->alGetError() != AL_NO_ERROR) {
        al_->alDeleteBuffers(1, &buffer);
        return false;
    }
    buffers_[slot] = buffer;
    long long frames = static_cast<long long>(sound.samples.size()) / sound.channels;
    milliseconds_[slot] = int((frames * 1000 + sound.sampleRate - 1) / sound.sampleRate);
    return true;
}

int AudioOutput::play(int slot) noexcept {
    makeCurrent();
    al_->alSourceStop(source_);
    if (slot < 0 || slot >= kSlots || !buffers_[slot]) return 0;
    if (paused_ && resume_) resume_(device_);
    paused_ = false;
    al_->alSourcei(source_, AL_BUFFER, ALint(buffers_[slot]));
    al_->alSourcePlay(source_);
    return milliseconds_[slot];
}

bool AudioOutput::playing() const noexcept {
    makeCurrent();
    ALint state = AL_STOPPED;
    al_->alGetSourcei(source_, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

void AudioOutput::pauseWhileSilent() noexcept {
    if (paused_ || !pause_ || playing()) return;
    pause_(device_);
    paused_ = true;
}

}  // namespace reikoboy
