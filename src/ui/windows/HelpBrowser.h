// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The help window's browser: it reads pages, style sheets and pictures only from regular
// files of a sane size, and decodes pictures with the game's own raster decoders, so a page
// naming a device, a FIFO or a picture bomb shows a gap instead of freezing the game.
#pragma once

#include <QTextBrowser>

namespace reikoboy {

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace reikoboy
