// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Draws a rail: a wooden beam with cut-out openings on a steel rod.

#include "board_geometry.h"

#include <QImage>

QImage paintRail(const board::Pattern &pattern, int scale, unsigned seed);
