// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Runs the window tests on Qt's offscreen platform, with a settings store, a data folder and
// a current directory of their own, so that no test touches the player's files, and with no
// system bus: games announced on the machine's own network are never listed in a test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config, data, work;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QDir::setCurrent(work.path());
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + QFile::encodeName(work.path()) + "/no-system-bus");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
