// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Where the game finds its own files (sounds, help, the supplied pictures): the current
// directory first, as the game always looked, then the data folder installed with the program.
#pragma once

#include <QString>

namespace reikoboy {

// The full name of the game's file `name` (such as "Click.wav" or "index.htm"), from the current
// directory when it holds it, else from the installed data folder; empty when neither does.
QString dataFilePath(const QString& name);

// The same for one of the game's folders (such as "pictures/backgrounds").
QString dataFolderPath(const QString& name);

// The data folder installed with the program, found from the program's own location; empty
// when there is none (the game is run from its build).
QString installedDataFolder();

}  // namespace reikoboy
