// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The window's pictures, compiled in as resources; the 2x drawings are used on HiDPI screens.
#pragma once

#include <QPixmap>
#include <QString>

namespace reikoboy {

// `name` without extension, e.g. "drop" or "rail0".
QPixmap boardPicture(const QString& name);

// A board picture decoded the first time it is asked for: the pressed and disabled faces and
// the turned drum are not on the first frame, and decoding them all held the window up.
class LazyPicture {
public:
    LazyPicture() = default;  // no picture
    explicit LazyPicture(QString name) : name_(std::move(name)) {}
    LazyPicture(QPixmap ready) : pixmap_(std::move(ready)), decoded_(true) {}  // NOLINT: a picture at hand

    const QPixmap& get() const;
    bool decoded() const { return decoded_; }

private:
    QString name_;
    mutable QPixmap pixmap_;
    mutable bool decoded_ = false;
};

}  // namespace reikoboy
