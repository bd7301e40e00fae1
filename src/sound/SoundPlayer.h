// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Plays the game's four sounds, one at a time: a new sound cuts off the one before. The files
// are read once, when the player starts; a missing or broken file, or no audio device, is
// simply silent.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

#include "game/Host.h"

namespace reikoboy {

class AudioOutput;

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    // Opening the audio device waits for the event loop, so that it never holds up the window;
    // or, WhenAsked, until start() or the first play().
    enum class Open { Soon, WhenAsked };
    explicit SoundPlayer(QObject* parent = nullptr, Open open = Open::Soon);
    ~SoundPlayer() override;

    void play(Sound sound);

    // Opens the device and reads the four files into it; once only. Also done by the first play.
    void start();

    static const char* fileName(Sound sound);
    // What was last asked of the player; for the tests.
    int lastPlayed() const { return lastPlayed_; }
    int playCount() const { return playCount_; }
    // Whether an audio device is open, and whether it holds `sound`; for the tests.
    bool deviceOpen() const { return output_ != nullptr; }
    bool loaded(Sound sound) const;
    bool playing() const;
    bool resting() const;

private:
    void pauseWhenSilent();

    std::unique_ptr<AudioOutput> output_;
    bool started_ = false;
    QTimer silence_;  // runs only while a sound plays
    int lastPlayed_ = -1;
    int playCount_ = 0;
};

}  // namespace reikoboy
