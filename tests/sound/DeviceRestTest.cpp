// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The idle game rests its audio device, and the device wakes for the next sound: tried on
// OpenAL Soft's "No Output" device, which mixes in real time like a sound card. A source only
// runs to its end while the mixer runs, so a sound that ends shows a device that woke.
#include <QDir>
#include <QTemporaryDir>

#include "Recording.h"
#include "sound/SoundPlayer.h"

namespace reikoboy::testing {
namespace {

template <class Condition>
bool waitFor(Condition condition) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 10000) QTest::qWait(5);
    return condition();
}

TEST(DeviceRestTest, TheIdleDeviceRestsAndWakesForEachSound) {
    if (qgetenv("REIKOBOY_TEST_AUDIO") != "null") GTEST_SKIP() << "the wave writer never rests";
    QString home = QDir::currentPath();
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    writeWav("Click.wav", tone(1000, 100));

    SoundPlayer player;
    player.start();
    ASSERT_TRUE(player.deviceOpen());
    EXPECT_TRUE(player.resting()) << "nothing plays yet";
    for (int round = 0; round < 3; ++round) {
        player.play(Sound::Click);
        EXPECT_FALSE(player.resting()) << round;
        EXPECT_TRUE(player.playing()) << round;
        EXPECT_TRUE(waitFor([&] { return !player.playing(); })) << "the sound never ended";
        EXPECT_TRUE(waitFor([&] { return player.resting(); })) << "the device stayed awake";
    }
    QDir::setCurrent(home);
}

}  // namespace
}  // namespace reikoboy::testing
