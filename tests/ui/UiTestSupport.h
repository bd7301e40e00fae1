// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Helpers of the window tests: finding controls by name, waiting for the board to settle,
// and writing the settings store before a window starts.
#pragma once

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSettings>
#include <QTest>
#include <QWidget>

#include "ui/board/BoardSurface.h"
#include "ui/window/Form1.h"

namespace reikoboy::testing {

template <class T = QWidget>
T* control(const QWidget& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

inline void settle(const Form1& window) {
    QElapsedTimer clock;
    clock.start();
    while (window.game().state().animating() && clock.elapsed() < 10000) QTest::qWait(5);
    ASSERT_FALSE(window.game().state().animating()) << "the board did not settle";
}

// A metafile background arrives from its helper process after the window has appeared.
inline void waitForBackground(const Form1& window) {
    QElapsedTimer clock;
    clock.start();
    while (window.surface()->pictureArriving() && clock.elapsed() < 10000) QTest::qWait(5);
    ASSERT_FALSE(window.surface()->pictureArriving()) << "the helper never delivered";
}

#define REIKOBOY_STORE(name)                                                                  \
    QSettings name(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Рейкобой"), \
                   QStringLiteral("Рейкобой"))

// Sets the stored options a new window will start with; an empty text removes the key.
inline void storeSettings(const QString& background, const QString& sound) {
    REIKOBOY_STORE(s);
    s.clear();
    if (!background.isEmpty()) s.setValue(QStringLiteral("Settings/Фон"), background);
    if (!sound.isEmpty()) s.setValue(QStringLiteral("Settings/&Звук"), sound);
    s.sync();
}

inline void click(const QWidget& window, const QString& name) {
    QWidget* w = control(window, name);
    ASSERT_TRUE(w && w->isVisible() && w->isEnabled()) << name.toStdString();
    QTest::mouseClick(w, Qt::LeftButton);
}

}  // namespace reikoboy::testing
