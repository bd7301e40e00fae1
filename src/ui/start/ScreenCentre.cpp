// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/start/ScreenCentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace reikoboy {

void centreOnScreen(QWidget* window) {
    QWidget* owner = window->parentWidget();
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect free = screen->availableGeometry();
    // Moving it ourselves also stops the dialog from placing itself over its owner.
    window->move(free.x() + (free.width() - window->width()) / 2, free.y() + (free.height() - window->height()) / 2);
}

}  // namespace reikoboy
