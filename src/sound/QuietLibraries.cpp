// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuietLibraries.h"

#include <dlfcn.h>

#include <cstdlib>

namespace reikoboy {

namespace {

void unheardAlsaError(const char*, int, const char*, int, const char*, ...) {}

using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
using SetAlsaErrorHandler = int (*)(AlsaErrorHandler);

}  // namespace

void quietenSoundLibraries() noexcept {
    static bool done = false;
    if (done) return;
    done = true;
    // Read once, when OpenAL Soft first initialises; 0 logs nothing.
    ::setenv("ALSOFT_LOGLEVEL", "0", 0);
    // OpenAL Soft loads the ALSA library itself when it is installed; loaded here first, the
    // same library gets a handler that drops its messages. It stays loaded for the run.
    void* alsa = ::dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
    if (!alsa) return;
    auto set = reinterpret_cast<SetAlsaErrorHandler>(::dlsym(alsa, "snd_lib_error_set_handler"));
    if (set) set(unheardAlsaError);
}

}  // namespace reikoboy
