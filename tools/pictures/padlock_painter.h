#pragma once
// Draws the grey padlock shown by a button that cannot be used right now.

#include <QImage>

QImage paintPadlock(int scale);
