// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "DrawnCode.h"

#include <QRandomGenerator>
#include <cstdio>

namespace reikoboy::net {

std::string drawCode() {
    char text[8];
    std::snprintf(text, sizeof text, "%06u", QRandomGenerator::system()->bounded(1000000u));
    return text;
}

}  // namespace reikoboy::net
