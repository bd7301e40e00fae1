// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The window's inner area: 634 x 408 pixels under the menu bar, the board's coordinate space.
// It shows the background picture stretched over itself and keeps it between paints.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace reikoboy {

inline constexpr int kInnerWidth = 634;
inline constexpr int kInnerHeight = 408;

class BoardSurface : public QWidget {
    Q_OBJECT
public:
    explicit BoardSurface(QWidget* parent);

    // Shows `picture` stretched over the whole area; a null image changes nothing.
    void setBackground(const QImage& picture);
    // Reads the picture file and shows it when it arrives; a metafile arrives later, from its
    // helper process, and the window goes on meanwhile. A file that is no picture changes nothing.
    void showPictureFile(const QString& fileName);
    bool pictureArriving() const;
    const QPixmap& background() const { return stretched_; }

signals:
    void bareSurfaceHovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap stretched_;
    class BackgroundLoader* loader_ = nullptr;
};

}  // namespace reikoboy
