// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Writing a file the player chose as a whole or not at all: the old file stays until the new
// one is completely on the disk.
#pragma once

#include <QByteArray>
#include <QString>

namespace reikoboy {

// Replaces the regular file `name` (or creates it) with `bytes`. False, with the old file left
// as it was, when anything fails: a full disk, a folder without write permission, or a target
// that is not a regular file (a device, a FIFO, a folder), which is never written into.
bool writeWholeFile(const QString& name, const QByteArray& bytes);

}  // namespace reikoboy
