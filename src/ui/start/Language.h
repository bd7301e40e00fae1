// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The language the window speaks: Russian, the language the game is written in, or one that
// has a translation (English). Chosen from the settings store's «Язык» ("" follows the desktop,
// "ru", "en") and switched at once: every window gets QEvent::LanguageChange.
#pragma once

#include <QString>

namespace reikoboy {

// "ru" or "en" (or another language whose translation is installed).
QString currentLanguage();

// The language for a stored choice: "" or anything unknown follows the desktop's languages
// (the first one with a translation; none of them: English; the C locale: Russian).
QString languageFor(const QString& stored);

// Installs the game's and Qt's translations for `language` (replacing the ones before).
void applyLanguage(const QString& language);

}  // namespace reikoboy
