// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Draws the points drum turned to one of its three positions.

#include <QImage>

QImage paintDrum(int position, int scale);
