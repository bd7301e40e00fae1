// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The help window: "index.htm" from the current directory in a browser that follows its links,
// a back button and OK. Made anew, on the first page, every time it opens.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace reikoboy {

class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent);
    QTextBrowser* browser() const { return WebBrowser1; }

private:
    QTextBrowser* WebBrowser1 = nullptr;
};

}  // namespace reikoboy
