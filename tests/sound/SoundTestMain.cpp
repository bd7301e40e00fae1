// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Runs the sound tests with OpenAL Soft's wave writer as the audio device, so that they hear what
// a player would; and, like the window tests, with a settings store and current directory of
// their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir config, work, audio;
    QString heard = audio.filePath(QStringLiteral("heard.wav"));
    QFile conf(audio.filePath(QStringLiteral("alsoft.conf")));
    if (!conf.open(QIODevice::WriteOnly)) return 1;
    // One channel at the files' own rate: what is heard can be compared sample by sample. The
    // wave writer is never rested; the resting device is tried on the "No Output" device.
    QByteArray driver = qgetenv("REIKOBOY_TEST_AUDIO") == "null" ? "null" : "wave";
    conf.write("[general]\ndrivers = " + driver + "\nchannels = mono\nfrequency = 44100\n"
               "sample-type = int16\n[wave]\nfile = " + QFile::encodeName(heard) + "\n");
    conf.close();
    // OpenAL Soft reads its configuration once, before the first device opens.
    qputenv("ALSOFT_CONF", QFile::encodeName(conf.fileName()));
    qputenv("REIKOBOY_HEARD", QFile::encodeName(heard));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QDir::setCurrent(work.path());
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
