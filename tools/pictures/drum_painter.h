#pragma once
// Draws the points drum turned to one of its three positions.

#include <QImage>

QImage paintDrum(int position, int scale);
