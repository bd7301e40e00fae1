#include "Form3.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include "PictureControl.h"
#include "Pictures.h"

namespace reikoboy {

QString Form3::authorName() { return QStringLiteral(REIKOBOY_AUTHOR); }
QString Form3::authorAddress() { return QStringLiteral(REIKOBOY_EMAIL); }

Form3::Form3(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("О программе..."));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(337, 142);
    setMouseTracking(true);

    auto* picture = new PictureControl(boardPicture(QStringLiteral("about_rails")),
                                       PictureControl::Mouse::Stops, this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(8, 8, 155, 96);

    auto* credit = new QLabel(QStringLiteral("Автор и программист: ") + authorName() + QLatin1Char('.'), this);
    credit->setObjectName(QStringLiteral("Label1"));
    credit->setGeometry(168, 32, 169, 33);
    credit->setAlignment(Qt::AlignCenter);
    credit->setWordWrap(true);
    QFont tahoma;
    tahoma.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    tahoma.setPointSizeF(9.75);
    credit->setFont(tahoma);
    credit->setMouseTracking(true);
    credit->installEventFilter(this);

    Label2 = new QLabel(QStringLiteral("e-mail: ") + authorAddress(), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(200, 72);
    Label2->adjustSize();  // the address is the packager's: the label fits whatever it is
    Label2->resize(qMax(97, Label2->width()), 17);
    if (Label2->geometry().right() >= width()) Label2->move(width() - Label2->width(), 72);
    QPalette blue = Label2->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label2->setPalette(blue);
    QPixmap hand = boardPicture(QStringLiteral("mail_cursor"));
    Label2->setCursor(hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 13, 9));
    Label2->setMouseTracking(true);
    Label2->installEventFilter(this);

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(128, 112, 81, 25);
    ok->setDefault(true);
    ok->setMouseTracking(true);
    ok->installEventFilter(this);
    picture->installEventFilter(this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
}

void Form3::setUnderline(bool on) {
    QFont font = Label2->font();
    if (font.underline() == on) return;
    font.setUnderline(on);
    Label2->setFont(font);
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label2) {
        if (event->type() == QEvent::MouseMove) setUnderline(true);
        if (event->type() == QEvent::MouseButtonRelease) {
            QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + authorAddress()));
            return true;
        }
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
