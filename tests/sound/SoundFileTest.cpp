// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Reading a sound file: a whole, small sound is read exactly; anything else a disk may hold
// under a sound's name is refused at once.
#include <sys/stat.h>

#include <QDir>
#include <QTemporaryDir>

#include "Recording.h"

namespace reikoboy::testing {
namespace {

std::string local(const QString& name) { return QFile::encodeName(name).toStdString(); }

TEST(SoundFileTest, AWholeSoundIsReadSampleForSample) {
    QTemporaryDir dir;
    Samples mono = tone(440, 120);
    writeWav(dir.filePath("mono.wav"), mono);
    auto read = readSoundFile(local(dir.filePath("mono.wav")));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->channels, 1);
    EXPECT_EQ(read->sampleRate, kRate);
    EXPECT_EQ(read->samples, mono);

    Samples stereo = tone(880, 50, 2);
    writeWav(dir.filePath("stereo.wav"), stereo, 2);
    read = readSoundFile(local(dir.filePath("stereo.wav")));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->channels, 2);
    EXPECT_EQ(read->samples, stereo);
}

TEST(SoundFileTest, WhatIsNotAWholeSmallSoundIsRefused) {
    QTemporaryDir dir;
    auto refused = [&dir](const char* name) {
        return !readSoundFile(local(dir.filePath(QString::fromLatin1(name)))).has_value();
    };
    EXPECT_TRUE(refused("missing.wav"));

    QFile text(dir.filePath("text.wav"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("Это не звук, а просто текст.\n");
    text.close();
    EXPECT_TRUE(refused("text.wav"));

    QFile(dir.filePath("empty.wav")).open(QIODevice::WriteOnly);
    EXPECT_TRUE(refused("empty.wav"));

    // Cut off in the middle of its samples, and in the middle of its header.
    writeWav(dir.filePath("whole.wav"), tone(440, 200));
    QFile whole(dir.filePath("whole.wav"));
    ASSERT_TRUE(QFile::copy(whole.fileName(), dir.filePath("cut.wav")));
    ASSERT_TRUE(QFile(dir.filePath("cut.wav")).resize(whole.size() / 2));
    EXPECT_TRUE(refused("cut.wav"));
    ASSERT_TRUE(QFile(dir.filePath("cut.wav")).resize(30));
    EXPECT_TRUE(refused("cut.wav"));

    writeWav(dir.filePath("three.wav"), tone(440, 50, 3), 3);
    EXPECT_TRUE(refused("three.wav")) << "only mono and stereo are the game's sounds";

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.wav"));
    EXPECT_TRUE(refused("folder.wav"));

    // A FIFO would block a reader that waits for a writer; nobody ever writes to this one.
    ASSERT_EQ(mkfifo(local(dir.filePath("fifo.wav")).c_str(), 0600), 0);
    EXPECT_TRUE(refused("fifo.wav"));

    // A valid header in front of far more than any of the game's sounds.
    ASSERT_TRUE(QFile::copy(whole.fileName(), dir.filePath("huge.wav")));
    ASSERT_TRUE(QFile(dir.filePath("huge.wav")).resize(kLargestSoundFile + 1));
    EXPECT_TRUE(refused("huge.wav"));

    EXPECT_FALSE(refused("whole.wav")) << "the checks above refused for the right reasons";
}

}  // namespace
}  // namespace reikoboy::testing
