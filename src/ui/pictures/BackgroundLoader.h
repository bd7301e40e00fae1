// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Loads the background picture without holding up the window: a raster picture is delivered
// at once, a metafile when its helper process has drawn it. A new request replaces one still
// running; a helper that runs too long is stopped and delivers nothing.
#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QTimer>

class QProcess;

namespace reikoboy {

class BackgroundLoader : public QObject {
    Q_OBJECT
public:
    explicit BackgroundLoader(QObject* parent);
    ~BackgroundLoader() override;

    void load(const QString& fileName, QSize size);
    bool busy() const { return helper_ != nullptr; }
    // Forgets a request still running: a picture shown since must not be painted over.
    void cancel() { stopHelper(); }

signals:
    // Only a picture that could be read is delivered.
    void loaded(const QImage& picture);

private:
    void stopHelper();
    void helperEnded();

    QProcess* helper_ = nullptr;
    QTimer deadline_;
};

}  // namespace reikoboy
