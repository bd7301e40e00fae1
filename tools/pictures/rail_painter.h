#pragma once
// Draws a rail: a wooden beam with cut-out openings on a steel rod.

#include "board_geometry.h"

#include <QImage>

QImage paintRail(const board::Pattern &pattern, int scale, unsigned seed);
