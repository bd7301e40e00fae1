// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// With no sound card the game starts as quietly as with one: nothing from the sound libraries
// on standard error. Its own process, so that OpenAL Soft starts up here.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "sound/AudioOutput.h"

namespace reikoboy::testing {
namespace {

TEST(QuietStartTest, NoSoundCardPrintsNothing) {
    // ALSA is tried, for a card that is not there, even on a machine that has one.
    QTemporaryDir dir;
    QFile conf(dir.filePath("alsoft.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly) && conf.write("[general]\ndrivers = alsa\n") > 0);
    conf.close();
    qputenv("ALSOFT_CONF", QFile::encodeName(conf.fileName()));
    qputenv("ALSA_CARD", "NoSuchCard");

    QTemporaryDir captured;
    const QByteArray where = QFile::encodeName(captured.filePath("stderr"));
    const int file = ::open(where.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(file, 0);
    std::fflush(stderr);
    const int terminal = ::dup(2);
    ::dup2(file, 2);
    std::unique_ptr<AudioOutput> output = AudioOutput::open();
    std::fflush(stderr);
    ::dup2(terminal, 2);
    ::close(terminal);
    ::close(file);

    QFile printed(QString::fromLocal8Bit(where));
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_EQ(printed.readAll().toStdString(), "");
    EXPECT_EQ(output, nullptr) << "no card was there to open";
}

}  // namespace
}  // namespace reikoboy::testing
