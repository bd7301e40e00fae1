// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "SoundPlayer.h"

#include <QFile>

#include "AudioOutput.h"
#include "persist/DataFiles.h"

namespace reikoboy {

namespace {
// After a sound's own length, how long to wait before pausing the device: the mixer may still
// be emptying its last period.
constexpr int kTailMilliseconds = 100;
}  // namespace

const char* SoundPlayer::fileName(Sound sound) {
    switch (sound) {
        case Sound::Click: return "Click.wav";
        case Sound::Fishka: return "Fishka.wav";
        case Sound::Baraban: return "Baraban.wav";
        case Sound::Reika: return "Reika.wav";
    }
    return "";
}

SoundPlayer::SoundPlayer(QObject* parent, Open open) : QObject(parent) {
    silence_.setSingleShot(true);
    connect(&silence_, &QTimer::timeout, this, &SoundPlayer::pauseWhenSilent);
    if (open == Open::Soon) QTimer::singleShot(0, this, &SoundPlayer::start);
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::start() {
    if (started_) return;
    started_ = true;
    try {
        output_ = AudioOutput::open();
        if (!output_) return;
        for (int n = 0; n < AudioOutput::kSlots; ++n) {
            QString file = dataFilePath(QString::fromLatin1(fileName(static_cast<Sound>(n))));
            if (file.isEmpty()) continue;
            if (auto sound = readSoundFile(QFile::encodeName(file).toStdString()))
                output_->load(n, *sound);
        }
        output_->pauseWhileSilent();
    } catch (...) {  // out of memory: the game goes on without sound
        output_.reset();
    }
}

bool SoundPlayer::loaded(Sound sound) const {
    int n = static_cast<int>(sound);
    return output_ && n >= 0 && n < AudioOutput::kSlots && output_->loaded(n);
}

bool SoundPlayer::playing() const { return output_ && output_->playing(); }

bool SoundPlayer::resting() const { return output_ && output_->resting(); }

void SoundPlayer::play(Sound sound) {
    lastPlayed_ = static_cast<int>(sound);
    ++playCount_;
    start();
    if (!output_) return;
    int milliseconds = output_->play(static_cast<int>(sound));
    if (milliseconds > 0) silence_.start(milliseconds + kTailMilliseconds);
}

void SoundPlayer::pauseWhenSilent() {
    if (!output_) return;
    if (output_->playing())
        silence_.start(kTailMilliseconds);
    else
        output_->pauseWhileSilent();
}

}  // namespace reikoboy
