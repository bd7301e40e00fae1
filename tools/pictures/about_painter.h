// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Draws the little map of the six rails in their start pattern for the About window.

#include <QImage>

QImage paintAboutRails(int scale);
