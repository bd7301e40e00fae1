// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Keeps the sound libraries off the terminal: with no sound card OpenAL Soft and the ALSA
// library it loads each print their failures on standard error, and the game stays silent
// anyway.
#pragma once

namespace reikoboy {

// Call before the first OpenAL call. A log level the user set for OpenAL Soft is kept.
void quietenSoundLibraries() noexcept;

}  // namespace reikoboy
