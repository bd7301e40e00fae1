#pragma once
// Draws the window and desktop icon: a rail with a chip sitting in its opening.

#include <QImage>

QImage paintIcon(int pixels);
