// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What a player hears: OpenAL Soft's wave writer records the mixed output of the tests' audio
// device into a file (set up in SoundTestMain.cpp), and these helpers wait for it, read it and
// find a sound in it.
#pragma once

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "sound/SoundFile.h"

namespace reikoboy::testing {

using Samples = std::vector<std::int16_t>;

inline constexpr int kRate = 44100;          // the recording device's rate, mono, 16 bits
inline constexpr int kRecordingHeader = 68;  // the wave writer's header, in bytes

inline QString recordingFile() { return QString::fromLocal8Bit(qgetenv("REIKOBOY_HEARD")); }

// How many frames the device has mixed into the recording so far.
inline long long recordedFrames() {
    return std::max<long long>(0, (QFileInfo(recordingFile()).size() - kRecordingHeader) / 2);
}

// Lets the device mix until the recording holds `frames` frames. The writer runs in real time;
// the limit is only there so that a broken device fails the test instead of hanging it.
inline void recordUntil(long long frames) {
    QElapsedTimer clock;
    clock.start();
    while (recordedFrames() < frames && clock.elapsed() < 30000) QTest::qWait(5);
    ASSERT_GE(recordedFrames(), frames) << "the audio device stopped recording";
}

inline long long framesOf(int milliseconds) { return (long long)kRate * milliseconds / 1000; }

// The whole recording; only complete once the device is closed.
inline Samples heard() {
    auto sound = readSoundFile(QFile::encodeName(recordingFile()).toStdString());
    EXPECT_TRUE(sound.has_value()) << "no recording";
    if (!sound) return {};
    EXPECT_EQ(sound->channels, 1);
    EXPECT_EQ(sound->sampleRate, kRate);
    return sound->samples;
}

struct Found {
    long long at = -1;         // where the sound starts in the recording
    double likeness = 0;       // normalised correlation: 1 is the same waveform
    double loudness = 0;       // heard level against the file's own
};

// The place in [from, to] where `sound` matches the recording best.
inline Found locate(const Samples& recording, const Samples& sound, long long from, long long to) {
    Found best;
    double own = 0;
    for (auto s : sound) own += double(s) * s;
    to = std::min<long long>(to, (long long)recording.size() - (long long)sound.size());
    for (long long at = std::max(0LL, from); at <= to; ++at) {
        double cross = 0, energy = 0;
        for (std::size_t i = 0; i < sound.size(); ++i) {
            double r = recording[at + i];
            cross += r * sound[i];
            energy += r * r;
        }
        if (energy == 0 || own == 0) continue;
        double likeness = cross / std::sqrt(energy * own);
        if (likeness > best.likeness) best = {at, likeness, std::sqrt(energy / own)};
    }
    return best;
}

// The first sample at or after `from` that a player could hear, or -1.
inline long long firstSound(const Samples& recording, long long from = 0) {
    for (long long i = std::max(0LL, from); i < (long long)recording.size(); ++i)
        if (std::abs(recording[i]) > 64) return i;
    return -1;
}

// Whether nothing can be heard in [from, to).
inline bool silent(const Samples& recording, long long from, long long to) {
    to = std::min<long long>(to, (long long)recording.size());
    for (long long i = std::max(0LL, from); i < to; ++i)
        if (std::abs(recording[i]) > 64) return false;
    return true;
}

// A pure tone, faded in and out so that it starts and ends without a click of its own.
inline Samples tone(int hertz, int milliseconds, int channels = 1) {
    Samples samples;
    long long frames = framesOf(milliseconds);
    const double pi = std::acos(-1.0);
    for (long long i = 0; i < frames; ++i) {
        double fade = std::min({1.0, i / 200.0, (frames - 1 - i) / 200.0});
        auto value = std::int16_t(12000 * fade * std::sin(2 * pi * hertz * double(i) / kRate));
        for (int c = 0; c < channels; ++c) samples.push_back(value);
    }
    return samples;
}

// A 16-bit PCM WAV file, written byte by byte.
inline void writeWav(const QString& name, const Samples& samples, int channels = 1) {
    QByteArray bytes;
    auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes.append(char((value >> (8 * i)) & 0xff));
    };
    std::uint32_t data = std::uint32_t(samples.size() * 2);
    bytes.append("RIFF");
    put(36 + data, 4);
    bytes.append("WAVEfmt ");
    put(16, 4);
    put(1, 2);  // PCM
    put(std::uint32_t(channels), 2);
    put(kRate, 4);
    put(std::uint32_t(kRate * channels * 2), 4);
    put(std::uint32_t(channels * 2), 2);
    put(16, 2);
    bytes.append("data");
    put(data, 4);
    for (auto s : samples) put(std::uint16_t(s), 2);
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

}  // namespace reikoboy::testing
