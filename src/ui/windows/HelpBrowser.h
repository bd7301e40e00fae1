// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The help window's browser: it reads pages, style sheets and pictures only from regular
// files of a sane size, and decodes pictures with the game's own raster decoders, so a page
// naming a device, a FIFO or a picture bomb shows a gap instead of freezing the game.
// The pages are in the language the window speaks: the English ones are the Russian ones'
// twins under en/, and a change of language shows the twin of the page on screen.
#pragma once

#include <QTextBrowser>
#include <functional>

namespace reikoboy {

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

    // Opens the contents (index.htm); false when the game has no help to show.
    bool showContents();

    // The same page in the other language, under `root`, the folder of the Russian
    // index.htm; a Russian page when the English one is missing, and `page` itself when it
    // is none of the game's.
    static QString twinPage(const QString& root, const QString& page, bool english);

    // The language the pages are chosen for: the window's.
    std::function<QString()> language;

protected:
    void changeEvent(QEvent* event) override;

private:
    bool english() const;

    QString root_;  // where the Russian index.htm lies; empty before the contents open
};

}  // namespace reikoboy
