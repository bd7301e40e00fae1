// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/start/WindowScale.h"

#include <QByteArray>

#include "persist/Settings.h"

namespace reikoboy {

void applyStoredScale() {
    const QString percent = readScale();
    for (const char* choice : kScaleChoices) {
        if (*choice == '\0' || percent != QLatin1String(choice)) continue;
        // The desktop's own factor is left out, so that the choice is the whole scale.
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
        qputenv("QT_SCALE_FACTOR", QByteArray::number(percent.toInt() / 100.0));
        return;
    }
}

}  // namespace reikoboy
