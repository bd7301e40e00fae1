// Plays the game's four sounds from the current directory, one at a time: a new sound cuts off
// the one before. A missing file or no audio device is simply silent.
#pragma once

#include <QObject>
#include <QSoundEffect>
#include <array>

#include "game/Host.h"

namespace reikoboy {

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);

    // The files are opened when the player is made, so that playing does no file work.
    void play(Sound sound);

    static const char* fileName(Sound sound);
    // What was last asked of the player; for the tests.
    int lastPlayed() const { return lastPlayed_; }
    int playCount() const { return playCount_; }
    const QSoundEffect& effect(Sound sound) const { return *effects_[static_cast<int>(sound)]; }

private:
    std::array<QSoundEffect*, 4> effects_{};
    QSoundEffect* playing_ = nullptr;
    int lastPlayed_ = -1;
    int playCount_ = 0;
};

}  // namespace reikoboy
