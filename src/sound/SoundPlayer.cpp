#include "SoundPlayer.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "persist/DataFiles.h"

namespace reikoboy {

const char* SoundPlayer::fileName(Sound sound) {
    switch (sound) {
        case Sound::Click: return "Click.wav";
        case Sound::Fishka: return "Fishka.wav";
        case Sound::Baraban: return "Baraban.wav";
        case Sound::Reika: return "Reika.wav";
    }
    return "";
}

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {
    for (int n = 0; n < int(effects_.size()); ++n) {
        auto* effect = new QSoundEffect(this);
        QString file = dataFilePath(QString::fromLatin1(fileName(static_cast<Sound>(n))));
        if (!file.isEmpty()) effect->setSource(QUrl::fromLocalFile(file));
        effects_[n] = effect;
    }
}

void SoundPlayer::play(Sound sound) {
    QSoundEffect* effect = effects_[static_cast<int>(sound)];
    lastPlayed_ = static_cast<int>(sound);
    ++playCount_;
    if (playing_ && playing_->isPlaying()) playing_->stop();
    playing_ = effect;
    if (!effect->source().isEmpty()) effect->play();
}

}  // namespace reikoboy
