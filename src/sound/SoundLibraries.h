// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// OpenAL Soft and libsndfile, opened only when the game first needs a sound: linked into the
// program, their symbols and those of the codecs they bring would be resolved at every start.
#pragma once

#include <AL/al.h>
#include <AL/alc.h>
#include <sndfile.h>

#include <optional>

namespace reikoboy {

#define REIKOBOY_OPENAL_FUNCTIONS(X)                                                            \
    X(alcOpenDevice) X(alcCloseDevice) X(alcCreateContext) X(alcDestroyContext)                \
    X(alcMakeContextCurrent) X(alcGetCurrentContext) X(alcGetString) X(alcIsExtensionPresent) \
    X(alcGetProcAddress) X(alGetError) X(alIsExtensionPresent) X(alGenSources)                \
    X(alDeleteSources) X(alSourcei) X(alGetSourcei) X(alSourcePlay) X(alSourceStop)           \
    X(alGenBuffers) X(alDeleteBuffers) X(alBufferData)

#define REIKOBOY_SNDFILE_FUNCTIONS(X) X(sf_open_fd) X(sf_close) X(sf_readf_short) X(sf_error)

#define REIKOBOY_FUNCTION_POINTER(name) decltype(&::name) name = nullptr;

struct OpenAl {
    REIKOBOY_OPENAL_FUNCTIONS(REIKOBOY_FUNCTION_POINTER)
};

struct SndFile {
    REIKOBOY_SNDFILE_FUNCTIONS(REIKOBOY_FUNCTION_POINTER)
};

#undef REIKOBOY_FUNCTION_POINTER

// The functions of the library named `file`, or nothing when it is missing or lacks one.
std::optional<OpenAl> loadOpenAl(const char* file) noexcept;
std::optional<SndFile> loadSndFile(const char* file) noexcept;

// The installed libraries, opened on the first call and kept for the run; null when missing,
// and the game is then silent as with no sound card.
const OpenAl* openAl() noexcept;
const SndFile* sndFile() noexcept;

}  // namespace reikoboy
