// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/windows/Form2.h"

#include <QEvent>
#include <QPushButton>

#include "ui/start/ScreenCentre.h"
#include "ui/windows/HelpBrowser.h"

namespace reikoboy {

Form2::Form2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Справка"));
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

    back_ = new QPushButton(tr("&Назад"), this);
    back_->setObjectName(QStringLiteral("Command2"));
    back_->setGeometry(8, 360, 121, 25);
    connect(back_, &QPushButton::clicked, WebBrowser1, &QTextBrowser::backward);

    setTabOrder(WebBrowser1, ok);
    setTabOrder(ok, back_);
    // The page takes the keys first, so that PageDown and the arrows scroll it; Enter still
    // reaches the default button.
    WebBrowser1->setFocus();

    noHelp_ = !WebBrowser1->showContents();
    nameThings();
}

void Form2::nameThings() {
    setWindowTitle(tr("Справка"));
    back_->setText(tr("&Назад"));
    if (noHelp_)
        WebBrowser1->setHtml(
            tr("<h3>Справка не найдена</h3><p>Файл «index.htm» должен лежать в папке, из которой "
               "запущена игра, или в папке данных установленной игры.</p>"));
}

void Form2::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) nameThings();
}

}  // namespace reikoboy
