// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What a player hears, recorded from the audio device: the game's click on a drop and only while
// sound is on, a new sound cutting off the one before, and broken files that stay silent while
// the others play.
#include <sys/stat.h>

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "Recording.h"
#include "UiTestSupport.h"
#include "sound/SoundPlayer.h"

namespace reikoboy::testing {
namespace {

// Each test plays in a folder of its own, holding the sound files it wants.
class HeardSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = QDir::currentPath();
        ASSERT_TRUE(folder_.isValid());
        QDir::setCurrent(folder_.path());
    }
    void TearDown() override { QDir::setCurrent(home_); }

    static void waitForDevice(const SoundPlayer& player) {
        QElapsedTimer clock;
        clock.start();
        while (!player.deviceOpen() && clock.elapsed() < 10000) QTest::qWait(5);
        ASSERT_TRUE(player.deviceOpen()) << "the recording device did not open";
    }

    QTemporaryDir folder_;
    QString home_;
};

Samples gameSound(const char* name) {
    auto sound = readSoundFile(std::string(REIKOBOY_DATA_DIR "/") + name);
    EXPECT_TRUE(sound.has_value()) << name;
    return sound ? sound->samples : Samples{};
}

TEST_F(HeardSoundTest, ADropIsHeardAsTheClickOnlyWhileSoundIsOn) {
    for (const char* name : {"Click.wav", "Fishka.wav", "Baraban.wav", "Reika.wav"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(REIKOBOY_DATA_DIR "/") + name, name));
    storeSettings({}, "1");
    auto window = std::make_unique<Form1>();
    window->show();
    waitForDevice(window->soundPlayer());
    EXPECT_TRUE(window->soundPlayer().loaded(Sound::Click));

    click(*window, "Command1_3");  // sound off: nothing to hear
    recordUntil(recordedFrames() + framesOf(300));
    window->findChild<QAction*>("Son")->trigger();
    long long secondDrop = recordedFrames();
    click(*window, "Command1_1");
    recordUntil(secondDrop + framesOf(400));
    window.reset();  // closes the device, which completes the recording

    Samples recording = heard();
    Samples clickSound = gameSound("Click.wav");
    ASSERT_FALSE(clickSound.empty());
    long long start = firstSound(recording);
    ASSERT_GE(start, 0) << "nothing was heard";
    // The recording may lag behind the count of frames by the writer's file buffer.
    EXPECT_GE(start, secondDrop - 4096) << "heard before sound was switched on";
    Found click = locate(recording, clickSound, start - (long long)clickSound.size(), start);
    EXPECT_GT(click.likeness, 0.99) << "what was heard is not Click.wav";
    EXPECT_NEAR(click.loudness, 1.0, 0.25);
    EXPECT_TRUE(silent(recording, click.at + (long long)clickSound.size() + 64, recording.size()))
        << "more than one click was heard";
}

TEST_F(HeardSoundTest, ANewSoundCutsOffTheOneBeforeEvenWhenItCannotPlay) {
    Samples longTone = tone(440, 1500), shortTone = tone(1000, 150);
    writeWav("Reika.wav", longTone);
    writeWav("Click.wav", shortTone);
    QFile broken("Baraban.wav");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF");
    broken.close();

    auto player = std::make_unique<SoundPlayer>();
    waitForDevice(*player);
    long long firstAt = recordedFrames();
    player->play(Sound::Reika);
    recordUntil(firstAt + framesOf(300));
    player->play(Sound::Click);  // cuts the long tone off, plays in full
    long long secondAt = recordedFrames();
    recordUntil(secondAt + framesOf(400));
    player->play(Sound::Reika);
    long long thirdAt = recordedFrames();
    recordUntil(thirdAt + framesOf(200));
    player->play(Sound::Baraban);  // broken: cuts the long tone off and stays silent
    long long fourthAt = recordedFrames();
    recordUntil(fourthAt + framesOf(400));
    EXPECT_EQ(player->playCount(), 4);
    EXPECT_EQ(player->lastPlayed(), int(Sound::Baraban));
    player.reset();

    Samples recording = heard();
    long long start = firstSound(recording);
    ASSERT_GE(start, 0) << "nothing was heard";
    Found second = locate(recording, shortTone, start, recording.size());
    EXPECT_GT(second.likeness, 0.99) << "the second sound is heard alone, not over the first";
    EXPECT_GT(second.at, start + framesOf(200)) << "the first sound played for a while before";
    long long secondEnd = second.at + (long long)shortTone.size() + 64;
    long long restart = firstSound(recording, secondEnd);
    ASSERT_GE(restart, 0) << "the long tone was not heard again";
    EXPECT_GE(restart, thirdAt - 4096) << "the long tone went on under the second sound";
    EXPECT_GT(locate(recording, Samples(longTone.begin(), longTone.begin() + framesOf(100)),
                     restart - 300, restart + 10)
                  .likeness,
              0.99)
        << "the long tone starts again from its beginning";
    long long brokenAt = fourthAt + 4096 + 1024;  // the writer's file buffer and one mixer period
    EXPECT_TRUE(silent(recording, brokenAt, recording.size()))
        << "the long tone went on after a sound that could not play";
}

TEST_F(HeardSoundTest, BrokenFilesAreSilentAndTheOthersStillPlay) {
    Samples good = tone(660, 250);
    writeWav("Fishka.wav", good);
    QFile text("Click.wav");
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a sound\n");
    text.close();
    writeWav("Reika.wav", tone(440, 500));
    ASSERT_TRUE(QFile("Reika.wav").resize(QFile("Reika.wav").size() / 2));
    ASSERT_EQ(mkfifo("Baraban.wav", 0600), 0);  // would hang a reader that waits for a writer

    auto player = std::make_unique<SoundPlayer>();
    waitForDevice(*player);
    EXPECT_FALSE(player->loaded(Sound::Click));
    EXPECT_FALSE(player->loaded(Sound::Reika));
    EXPECT_FALSE(player->loaded(Sound::Baraban));
    EXPECT_TRUE(player->loaded(Sound::Fishka));
    for (Sound sound : {Sound::Click, Sound::Reika, Sound::Baraban}) player->play(sound);
    recordUntil(recordedFrames() + framesOf(300));
    long long goodAt = recordedFrames();
    player->play(Sound::Fishka);
    recordUntil(goodAt + framesOf(450));
    player.reset();

    Samples recording = heard();
    long long start = firstSound(recording);
    ASSERT_GE(start, 0) << "the good file was not heard";
    EXPECT_GE(start, goodAt - 4096) << "a broken file made a sound";
    Found found = locate(recording, good, start - 300, start + 10);
    EXPECT_GT(found.likeness, 0.99);
    EXPECT_NEAR(found.loudness, 1.0, 0.25);
    EXPECT_TRUE(silent(recording, found.at + (long long)good.size() + 64, recording.size()));
}

}  // namespace
}  // namespace reikoboy::testing
