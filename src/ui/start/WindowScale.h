// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// «Масштаб»: the whole window at 100, 150 or 200 per cent, or as the desktop asks. Qt fixes
// the scale when the application starts, so a choice takes effect at the next start.
#pragma once

#include <QString>
#include <array>

namespace reikoboy {

// The choices as the settings store keeps them; "" is the desktop's own scale.
inline constexpr std::array<const char*, 4> kScaleChoices = {"", "100", "150", "200"};

// Before the application object exists: the stored choice, if any, becomes Qt's scale factor
// in place of the desktop's.
void applyStoredScale();

}  // namespace reikoboy
