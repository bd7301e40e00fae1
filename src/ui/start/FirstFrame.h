// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Work that should wait until the window has shown its first frame, so that it never holds the
// window up: it runs from the event loop once the first exposure has been painted.
#pragma once

#include <QWidget>
#include <functional>

namespace reikoboy {

// Calls `then` once, from the event loop, after the first frame of `window`, which is not shown
// yet. Nothing is called if `context` goes first.
void afterFirstFrame(QWidget* window, QObject* context, std::function<void()> then);

}  // namespace reikoboy
