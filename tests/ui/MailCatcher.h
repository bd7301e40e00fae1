// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Stands in for the desktop's mail program: keeps the last mailto address it was asked to open.
#pragma once

#include <QObject>
#include <QUrl>

namespace reikoboy::testing {

class MailCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { last = url; }

public:
    QUrl last;
};

}  // namespace reikoboy::testing
