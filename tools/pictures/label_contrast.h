// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How well the window's labels read on a background: the WCAG contrast ratio of each label
// colour against every pixel of the strip the labels stand on, the picture stretched over the
// window as the game does it.

#include <QColor>
#include <QImage>
#include <QString>
#include <vector>

inline constexpr int labelStripHeight = 60;       // window pixels from the top
inline constexpr double minimumLabelContrast = 3.0;  // enough for the labels' large type

struct LabelContrast {
    QString label;   // which label colour
    QColor colour;
    double worst;    // against the least favourable pixel of the strip
    double median;
};

std::vector<LabelContrast> measureLabelStrip(const QImage &background);
