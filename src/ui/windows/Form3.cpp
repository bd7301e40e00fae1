// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/windows/Form3.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include "ui/board/PictureControl.h"
#include "ui/pictures/Pictures.h"
#include "ui/start/ScreenCentre.h"

namespace reikoboy {

QString Form3::authorName() { return QStringLiteral(REIKOBOY_AUTHOR); }
QString Form3::authorAddress() { return QStringLiteral(REIKOBOY_EMAIL); }

Form3::Form3(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form3"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(337, 142);
    centreOnScreen(this);
    setMouseTracking(true);

    auto* picture = new PictureControl(boardPicture(QStringLiteral("about_rails")),
                                       PictureControl::Mouse::Stops, this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(8, 8, 155, 96);

    credit_ = new QLabel(this);
    credit_->setObjectName(QStringLiteral("Label1"));
    credit_->setGeometry(168, 32, 169, 33);
    credit_->setAlignment(Qt::AlignCenter);
    credit_->setWordWrap(true);
    QFont tahoma;
    tahoma.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    tahoma.setPointSizeF(9.75);
    credit_->setFont(tahoma);
    credit_->setMouseTracking(true);
    credit_->installEventFilter(this);

    Label2 = new QLabel(QStringLiteral("e-mail: ") + authorAddress(), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    placeMailLabel();
    QPalette blue = Label2->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label2->setPalette(blue);
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);  // to copy it by hand
    QPixmap hand = boardPicture(QStringLiteral("mail_cursor"));
    Label2->setCursor(hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 13, 9));
    Label2->setMouseTracking(true);
    Label2->installEventFilter(this);

    noMail_ = new QLabel(this);
    noMail_->setObjectName(QStringLiteral("NoMailNote"));
    noMail_->setGeometry(8, 106, 116, 34);  // under the picture, beside the button
    noMail_->setWordWrap(true);
    noMail_->hide();

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(128, 112, 81, 25);
    ok->setDefault(true);
    ok->setMouseTracking(true);
    ok->installEventFilter(this);
    picture->installEventFilter(this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
    nameThings();
}

void Form3::nameThings() {
    setWindowTitle(tr("О программе..."));
    credit_->setText(tr("Автор и программист: %1.").arg(authorName()));
    noMail_->setText(tr("Нет почтовой программы."));
}

void Form3::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) nameThings();
}

void Form3::placeMailLabel() {
    // The address is the packager's. The label keeps its place beside the picture and grows
    // to the right, up to the window's edge; an address still too long goes to a second line,
    // and only one too long even for that is drawn a little smaller.
    constexpr int kLeft = 200, kTop = 72, kWidth = 97, kHeight = 17, kRightMargin = 2;
    const int room = width() - kRightMargin - kLeft;
    const QString text = Label2->text();
    QFont font = Label2->font();
    if (font.pointSizeF() <= 0) font.setPointSizeF(QFontInfo(font).pointSizeF());
    for (;;) {
        QFontMetrics metrics(font);
        int oneLine = metrics.horizontalAdvance(text) + 2;
        int longestWord = 0;
        for (const QString& word : text.split(QLatin1Char(' ')))
            longestWord = qMax(longestWord, metrics.horizontalAdvance(word) + 2);
        bool last = font.pointSizeF() <= 6;
        if (oneLine <= room || (longestWord <= room) || last) {
            Label2->setFont(font);
            if (oneLine <= room) {
                Label2->setGeometry(kLeft, kTop, qMax(kWidth, oneLine), kHeight);
            } else {
                Label2->setWordWrap(true);
                Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                Label2->setGeometry(kLeft, kTop, room, qMax(kHeight, Label2->heightForWidth(room)));
            }
            return;
        }
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
}

void Form3::mail() {
    // Without a mail program Qt would say so on the terminal: the window says it instead.
    QLoggingCategory* untitled = QLoggingCategory::defaultCategory();
    const bool warnings = untitled->isWarningEnabled();
    untitled->setEnabled(QtWarningMsg, false);
    const bool opened = QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + authorAddress()));
    untitled->setEnabled(QtWarningMsg, warnings);
    noMail_->setVisible(!opened);
}

void Form3::setUnderline(bool on) {
    QFont font = Label2->font();
    if (font.underline() == on) return;
    font.setUnderline(on);
    Label2->setFont(font);
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label2) {
        if (event->type() == QEvent::MouseMove) {
            setUnderline(true);
            // A drag selects the address; it goes to the label alone, not on to the window.
            if (static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton) {
                static_cast<QObject*>(Label2)->event(event);
                return true;
            }
        }
        // A click mails; a drag that selected the address leaves it selected for copying.
        if (event->type() == QEvent::MouseButtonRelease && !Label2->hasSelectedText() &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            mail();
    }
    // Other controls keep the underline as it is: only the bare window turns it off.
    if (event->type() == QEvent::MouseMove) return true;
    return QDialog::eventFilter(watched, event);
}

void Form3::mouseMoveEvent(QMouseEvent* event) {
    setUnderline(false);
    event->accept();
}

}  // namespace reikoboy
