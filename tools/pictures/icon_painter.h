// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Draws the window and desktop icon: a rail with a chip sitting in its opening.

#include <QImage>

QImage paintIcon(int pixels);
