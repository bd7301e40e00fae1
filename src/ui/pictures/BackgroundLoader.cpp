// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/pictures/BackgroundLoader.h"

#include <QProcess>

#include "ui/pictures/PictureFile.h"

namespace reikoboy {

BackgroundLoader::BackgroundLoader(QObject* parent) : QObject(parent) {
    deadline_.setSingleShot(true);
    deadline_.setInterval(kMetafileMilliseconds);
    connect(&deadline_, &QTimer::timeout, this, &BackgroundLoader::stopHelper);
}

BackgroundLoader::~BackgroundLoader() { stopHelper(); }

void BackgroundLoader::load(const QString& fileName, QSize size) {
    stopHelper();
    PictureBytes picture = readPictureBytes(fileName);
    if (!picture.metafile) {
        if (!picture.decoded.isNull()) emit loaded(picture.decoded);
        return;
    }
    helper_ = startMetafileHelper(picture.bytes, size, this);
    if (!helper_) return;
    connect(helper_, &QProcess::finished, this, &BackgroundLoader::helperEnded);
    connect(helper_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) stopHelper();
    });
    deadline_.start();
}

void BackgroundLoader::helperEnded() {
    deadline_.stop();
    QProcess* helper = helper_;
    helper_ = nullptr;
    if (!helper) return;
    QImage picture = metafileHelperPicture(*helper);
    helper->deleteLater();
    if (!picture.isNull()) emit loaded(picture);
}

void BackgroundLoader::stopHelper() {
    deadline_.stop();
    QProcess* helper = helper_;
    helper_ = nullptr;
    if (!helper) return;
    helper->disconnect(this);
    if (helper->state() != QProcess::NotRunning) {
        helper->kill();
        helper->waitForFinished(1000);  // reaps it: the kill ends it at once
    }
    helper->deleteLater();
}

}  // namespace reikoboy
