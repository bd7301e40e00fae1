// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "background_painter.h"

#include "seeded_noise.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace {

// Darkens the corners a little so the eye rests on the middle of the board.
void paintVignette(QPainter &p, QSize size, int strength)
{
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    QRadialGradient v(centre, std::hypot(centre.x(), centre.y()));
    v.setColorAt(0.0, QColor(0, 0, 0, 0));
    v.setColorAt(0.6, QColor(0, 0, 0, strength / 4));
    v.setColorAt(1.0, QColor(0, 0, 0, strength));
    p.fillRect(QRect(QPoint(0, 0), size), v);
}

// Light comes from the top-left, as on every other picture.
void paintTopLeftLight(QPainter &p, QSize size, int strength)
{
    QRadialGradient light(QPointF(size.width() * 0.2, size.height() * 0.1), size.width() * 0.8);
    light.setColorAt(0.0, QColor(255, 245, 225, strength));
    light.setColorAt(1.0, QColor(255, 245, 225, 0));
    p.fillRect(QRect(QPoint(0, 0), size), light);
}

void addPixelNoise(QImage &image, int amount, unsigned seed)
{
    SeededNoise noise(seed);
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = int(noise.range(-amount, amount + 1));
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                           std::clamp(qBlue(c) + d, 0, 255));
        }
    }
}

// The window's turn and score labels stand on the top 60 of its 408 pixels, in blue, pure red
// and dark red. Pure red reads at 3:1 only on a very light ground, so every picture keeps that
// strip pale, each in its own material, and closes it with an edge of its own.
struct LabelStrip {
    QColor top, bottom;   // the pale ground, lighter at the top
    QColor grain;         // faint marks of the material, drawn with a little alpha
    int grainLines;
    QColor edge;          // the line that closes the strip
    QColor shadow;        // cast by the strip onto the picture below
    unsigned seed;
};

int labelStripHeight(QSize size)
{
    return size.height() * 60 / 408;
}

void paintLabelStrip(QPainter &p, QSize size, const LabelStrip &style)
{
    // The ground reaches two window pixels past the strip, so that the edge below it is not
    // smoothed into the labels' last row when the picture is shrunk to the window.
    const double unit = size.height() / 408.0;
    const double h = labelStripHeight(size) + 2 * unit;
    const QRectF strip(0, 0, size.width(), h);
    QLinearGradient ground(strip.topLeft(), strip.bottomLeft());
    ground.setColorAt(0.0, style.top);
    ground.setColorAt(1.0, style.bottom);
    p.fillRect(strip, ground);

    // Long faint lines along the strip: the grain of wood, the nap of cloth, thin cloud.
    SeededNoise noise(style.seed);
    p.save();
    p.setClipRect(strip);
    for (int i = 0; i < style.grainLines; ++i) {
        const double base = noise.range(0, h);
        const double amplitude = noise.range(0.5, 3);
        const double frequency = noise.range(0.002, 0.01);
        const double phase = noise.range(0, 6.28);
        QPainterPath line;
        line.moveTo(-5, base + amplitude * std::sin(phase));
        for (double x = 0; x <= size.width() + 5; x += 8)
            line.lineTo(x, base + amplitude * std::sin(x * frequency + phase));
        QColor c = style.grain;
        c.setAlpha(int(noise.range(0.4, 1.0) * style.grain.alpha()));
        p.setPen(QPen(c, noise.range(0.8, 1.8)));
        p.drawPath(line);
    }
    p.restore();

    // Edge and shadow lie just under the strip, between the labels and the rails.
    QLinearGradient shadow(0, h, 0, h + 8 * unit);
    shadow.setColorAt(0.0, style.shadow);
    shadow.setColorAt(1.0, QColor(style.shadow.red(), style.shadow.green(), style.shadow.blue(), 0));
    p.fillRect(QRectF(0, h, size.width(), 8 * unit), shadow);
    p.fillRect(QRectF(0, h, size.width(), 1.5 * unit), style.edge);
}

} // namespace

QImage paintWoodTable(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    SeededNoise noise(7);

    const int planks = 6;
    const double plankHeight = double(size.height()) / planks;
    for (int i = 0; i < planks; ++i) {
        const QRectF plank(0, i * plankHeight, size.width(), plankHeight);
        const int shade = int(noise.range(-8, 8));
        QLinearGradient g(plank.topLeft(), plank.bottomLeft());
        g.setColorAt(0.0, QColor(104 + shade, 70 + shade, 46 + shade));
        g.setColorAt(1.0, QColor(86 + shade, 56 + shade, 36 + shade));
        p.fillRect(plank, g);

        p.save();
        p.setClipRect(plank);
        for (int line = 0; line < 46; ++line) {
            const double base = plank.top() + noise.range(-10, plankHeight + 10);
            const double amplitude = noise.range(1, 7);
            const double frequency = noise.range(0.002, 0.008);
            const double phase = noise.range(0, 6.28);
            QPainterPath grain;
            grain.moveTo(-5, base + amplitude * std::sin(phase));
            for (double x = 0; x <= size.width() + 5; x += 8)
                grain.lineTo(x, base + amplitude * std::sin(x * frequency + phase) + 1.5 * std::sin(x * 0.03 + phase));
            const bool dark = noise.unit() < 0.7;
            p.setPen(QPen(dark ? QColor(50, 30, 16, int(noise.range(18, 50))) : QColor(160, 118, 80, int(noise.range(12, 34))),
                          noise.range(0.8, 2.6)));
            p.drawPath(grain);
        }
        p.restore();

        // Seam between planks: a dark gap with a faint lit edge under it.
        p.fillRect(QRectF(0, plank.top() - 1, size.width(), 2.5), QColor(30, 18, 10, 120));
        p.fillRect(QRectF(0, plank.top() + 1.5, size.width(), 1.5), QColor(170, 128, 88, 26));
    }
    paintTopLeftLight(p, size, 34);
    paintVignette(p, size, 110);
    // A board of pale birch along the top edge of the table.
    paintLabelStrip(p, size, {QColor(252, 246, 232), QColor(248, 240, 222), QColor(176, 140, 100, 16), 40,
                              QColor(92, 62, 38), QColor(20, 10, 4, 120), 13});
    p.end();
    addPixelNoise(image, 2, 11);
    return image;
}

QImage paintGreenBaize(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 96, 66));
    addPixelNoise(image, 5, 23); // the fuzz of the cloth
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Long faint fibres lying in every direction.
    SeededNoise noise(29);
    for (int i = 0; i < 900; ++i) {
        const QPointF a(noise.range(0, size.width()), noise.range(0, size.height()));
        const double angle = noise.range(0, 6.28);
        const double length = noise.range(4, 14);
        p.setPen(QPen(noise.unit() < 0.5 ? QColor(90, 150, 110, 40) : QColor(10, 40, 24, 40), 1.0));
        p.drawLine(a, a + QPointF(std::cos(angle), std::sin(angle)) * length);
    }
    paintTopLeftLight(p, size, 30);
    paintVignette(p, size, 120);
    // An ivory score board along the top of the table, closed by a dark green piping.
    paintLabelStrip(p, size, {QColor(248, 246, 236), QColor(242, 240, 228), QColor(150, 160, 130, 16), 60,
                              QColor(14, 44, 26), QColor(0, 12, 4, 110), 31});
    p.end();

    // The cloth's greens and the board's ivories: two short ramps of shades.
    QList<QRgb> shades;
    auto ramp = [&shades](QColor dark, QColor light, int count) {
        for (int i = 0; i < count; ++i) {
            const double t = i / double(count - 1);
            shades << qRgb(int(dark.red() + t * (light.red() - dark.red())), int(dark.green() + t * (light.green() - dark.green())),
                           int(dark.blue() + t * (light.blue() - dark.blue())));
        }
    };
    ramp(QColor(6, 22, 12), QColor(120, 176, 136), 224);
    ramp(QColor(234, 232, 218), QColor(252, 250, 242), 32);
    return image.convertToFormat(QImage::Format_Indexed8, shades, Qt::ThresholdDither);
}

QImage paintStarryEvening(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(12, 16, 38));
    sky.setColorAt(0.6, QColor(26, 32, 66));
    sky.setColorAt(1.0, QColor(52, 44, 74)); // last warmth of the sunset near the horizon
    p.fillRect(image.rect(), sky);

    // A soft moon glow in the top-left, where the light of every picture comes from.
    const QPointF moon(size.width() * 0.12, size.height() * 0.06);
    QRadialGradient glow(moon, size.width() * 0.28);
    glow.setColorAt(0.0, QColor(190, 200, 230, 60));
    glow.setColorAt(1.0, QColor(190, 200, 230, 0));
    p.fillRect(image.rect(), glow);
    // The moon is kept faint and soft-edged so it never competes with the chips.
    const double moonRadius = size.width() * 0.022;
    QRadialGradient disc(moon - QPointF(moonRadius * 0.3, moonRadius * 0.3), moonRadius * 1.3);
    disc.setColorAt(0.0, QColor(236, 236, 244, 150));
    disc.setColorAt(0.7, QColor(200, 206, 226, 120));
    disc.setColorAt(1.0, QColor(170, 180, 210, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(moon, moonRadius * 1.1, moonRadius * 1.1);

    SeededNoise noise(41);
    const double unit = size.width() / 1268.0;
    for (int i = 0; i < 420; ++i) {
        const QPointF at(noise.range(0, size.width()), noise.range(0, size.height() * 0.95));
        const double fade = 1.0 - at.y() / size.height();
        const double radius = (noise.unit() < 0.08 ? noise.range(1.2, 2.0) : noise.range(0.5, 1.1)) * unit;
        const int alpha = int(noise.range(40, 150) * fade);
        p.setBrush(QColor(220, 226, 255, alpha));
        p.drawEllipse(at, radius, radius);
    }
    paintVignette(p, size, 90);
    // A bank of moonlit cloud along the top of the sky, the moon shining through it.
    paintLabelStrip(p, size, {QColor(246, 247, 254), QColor(234, 238, 250), QColor(170, 180, 215, 16), 50,
                              QColor(120, 130, 175), QColor(4, 6, 20, 140), 43});
    QRadialGradient shine(moon, moonRadius * 3);
    shine.setColorAt(0.0, QColor(255, 255, 255, 230));
    shine.setColorAt(0.45, QColor(255, 255, 255, 150));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.setClipRect(QRectF(0, 0, size.width(), labelStripHeight(size)));
    p.drawEllipse(moon, moonRadius * 3, moonRadius * 3);
    p.end();
    return image;
}
