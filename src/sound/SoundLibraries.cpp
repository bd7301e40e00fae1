// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "SoundLibraries.h"

#include <dlfcn.h>

namespace reikoboy {

namespace {

template <typename Function>
bool find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

#define REIKOBOY_FIND(name) found = find(library, #name, table.name) && found;

template <typename Table, typename Fill>
std::optional<Table> load(const char* file, Fill fill) noexcept {
    // Lazy binding: only the few functions the game calls are ever resolved.
    void* library = ::dlopen(file, RTLD_LAZY | RTLD_LOCAL);
    if (!library) return std::nullopt;
    Table table;
    if (fill(library, table)) return table;
    ::dlclose(library);
    return std::nullopt;
}

}  // namespace

std::optional<OpenAl> loadOpenAl(const char* file) noexcept {
    return load<OpenAl>(file, [](void* library, OpenAl& table) {
        bool found = true;
        REIKOBOY_OPENAL_FUNCTIONS(REIKOBOY_FIND)
        return found;
    });
}

std::optional<SndFile> loadSndFile(const char* file) noexcept {
    return load<SndFile>(file, [](void* library, SndFile& table) {
        bool found = true;
        REIKOBOY_SNDFILE_FUNCTIONS(REIKOBOY_FIND)
        return found;
    });
}

#undef REIKOBOY_FIND

const OpenAl* openAl() noexcept {
    static const std::optional<OpenAl> loaded = loadOpenAl("libopenal.so.1");
    return loaded ? &*loaded : nullptr;
}

const SndFile* sndFile() noexcept {
    static const std::optional<SndFile> loaded = loadSndFile("libsndfile.so.1");
    return loaded ? &*loaded : nullptr;
}

}  // namespace reikoboy
