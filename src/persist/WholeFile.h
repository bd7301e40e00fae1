// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Writing a file the player chose as a whole or not at all: the old file stays until the new
// one is completely on the disk.
#pragma once

#include <QByteArray>
#include <QString>

namespace reikoboy {

enum class WriteResult {
    Written,
    Failed,        // a full disk, a missing folder, a target that is not a regular file
    FolderClosed,  // the folder may not be written, so nothing can be put in it whole
};

// Replaces the regular file `name` (or creates it) with `bytes`, through a new file beside it
// that is renamed over the old one. Anything but Written leaves the old file as it was; a
// device, a FIFO or a folder is never written into. A symbolic link stays and its file is
// replaced; an existing file keeps its permissions.
WriteResult writeWholeFile(const QString& name, const QByteArray& bytes);

// The same for a file of the game's own (not one the player named): whatever is at `name`,
// a symbolic link included, is replaced and never written through, and the file is new.
WriteResult writeOwnFile(const QString& name, const QByteArray& bytes);

// Whether a file name is one of the new files the two above write before renaming; a run that
// ended in the middle of a write leaves one behind.
bool isLeftoverTemporary(const QString& fileName);

}  // namespace reikoboy
