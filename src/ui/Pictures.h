// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The window's pictures, compiled in as resources; the 2x drawings are used on HiDPI screens.
#pragma once

#include <QPixmap>
#include <QString>

namespace reikoboy {

// `name` without extension, e.g. "drop" or "rail0".
QPixmap boardPicture(const QString& name);

}  // namespace reikoboy
