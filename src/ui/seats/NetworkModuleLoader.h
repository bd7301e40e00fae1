// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Opens the network module the first time a network game is created or joined.
#pragma once

#include <QString>

namespace reikoboy {

namespace net { class NetworkModule; }

// The module, opened once and kept; nullptr when it cannot be had, with the reason in `why`.
net::NetworkModule* networkModule(QString* why);

}  // namespace reikoboy
