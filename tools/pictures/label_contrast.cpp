// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "label_contrast.h"

#include "board_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(QRgb c)
{
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

double ratio(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

} // namespace

std::vector<LabelContrast> measureLabelStrip(const QImage &background)
{
    const QImage shown = background.convertToFormat(QImage::Format_RGB32)
                             .scaled(board::windowWidth, board::windowHeight, Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation);
    std::vector<double> strip;
    for (int y = 0; y < labelStripHeight; ++y)
        for (int x = 0; x < shown.width(); ++x)
            strip.push_back(luminance(shown.pixel(x, y)));
    std::sort(strip.begin(), strip.end());

    // The turn label is blue or pure red, the blue score blue, the red score dark red.
    const std::vector<std::pair<QString, QColor>> labels{
        {"blue #0000FF", QColor(0, 0, 255)}, {"red #FF0000", QColor(255, 0, 0)}, {"dark red #C00000", QColor(192, 0, 0)}};
    std::vector<LabelContrast> result;
    for (const auto &[name, colour] : labels) {
        const double text = luminance(colour.rgb());
        double worst = 1e9;
        for (double pixel : strip)
            worst = std::min(worst, ratio(text, pixel));
        result.push_back({name, colour, worst, ratio(text, strip[strip.size() / 2])});
    }
    return result;
}
