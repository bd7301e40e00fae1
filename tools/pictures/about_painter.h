#pragma once
// Draws the little map of the six rails in their start pattern for the About window.

#include <QImage>

QImage paintAboutRails(int scale);
