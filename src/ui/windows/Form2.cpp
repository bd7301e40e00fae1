// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/windows/Form2.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

#include "persist/DataFiles.h"
#include "ui/start/ScreenCentre.h"
#include "ui/windows/HelpBrowser.h"

namespace reikoboy {

Form2::Form2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Справка"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(570, 390);
    centreOnScreen(this);

    WebBrowser1 = new HelpBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setGeometry(0, 0, 569, 353);
    WebBrowser1->setOpenLinks(true);
    WebBrowser1->setOpenExternalLinks(true);  // a web address goes to the desktop's browser

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(232, 360, 105, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* back = new QPushButton(QStringLiteral("&Назад"), this);
    back->setObjectName(QStringLiteral("Command2"));
    back->setGeometry(8, 360, 121, 25);
    connect(back, &QPushButton::clicked, WebBrowser1, &QTextBrowser::backward);

    setTabOrder(WebBrowser1, ok);
    setTabOrder(ok, back);
    // The page takes the keys first, so that PageDown and the arrows scroll it; Enter still
    // reaches the default button.
    WebBrowser1->setFocus();

    QString page = dataFilePath(QStringLiteral("index.htm"));
    if (!page.isEmpty()) {
        WebBrowser1->setSource(QUrl::fromLocalFile(page));
    } else {
        WebBrowser1->setHtml(QStringLiteral(
            "<h3>Справка не найдена</h3><p>Файл «index.htm» должен лежать в папке, из которой "
            "запущена игра, или в папке данных установленной игры.</p>"));
    }
}

}  // namespace reikoboy
