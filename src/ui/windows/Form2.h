// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The help window: "index.htm" from the current directory in a browser that follows its links,
// a back button and OK. Made anew, on the first page, every time it opens; in English the
// pages are the twins under en/.
#pragma once

#include <QDialog>

#include "ui/windows/HelpBrowser.h"

class QPushButton;

namespace reikoboy {

class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent);
    HelpBrowser* browser() const { return WebBrowser1; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void nameThings();  // the title, the back button and a missing help's note

    HelpBrowser* WebBrowser1 = nullptr;
    QPushButton* back_ = nullptr;
    bool noHelp_ = false;
};

}  // namespace reikoboy
