// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A whole game clicked through the real window to its end: the question about a new game
// must stand over the finished board, not over the board of one fall step before.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "UiTestSupport.h"
#include "WholeGame.h"

namespace reikoboy::testing {
namespace {

// What the window showed while the question was open.
struct SeenWithQuestion {
    QString question;
    int chipsShown = -1;
    QString blue, red;
    QImage shot;
};

// Answers the end-of-game question with No once it is up, after noting the board behind it.
void watchForQuestion(Form1& w, SeenWithQuestion& seen) {
    auto* poll = new QTimer(&w);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, &w, [&w, &seen, poll] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        poll->stop();
        seen.question = box->text();
        seen.chipsShown = 0;
        for (auto* chip : w.findChildren<QWidget*>()) {
            QString name = chip->objectName();
            if ((name.startsWith("Image5_") || name.startsWith("Image6_")) && chip->isVisible())
                ++seen.chipsShown;
        }
        seen.blue = w.findChild<QLabel*>("Label2")->text();
        seen.red = w.findChild<QLabel*>("Label3")->text();
        // The board with the question laid over its middle, as the player sees them.
        seen.shot = w.grab().toImage();
        QImage question = box->grab().toImage();
        QPainter p(&seen.shot);
        p.drawImage((seen.shot.width() - question.width()) / 2, (seen.shot.height() - question.height()) / 2,
                    question);
        p.end();
        box->button(QMessageBox::No)->click();
    });
    poll->start();
}

TEST(EndOfGameWindow, TheQuestionStandsOverTheFinishedBoard) {
    storeSettings({}, {});
    Form1 w;
    w.show();
    SeenWithQuestion seen;
    watchForQuestion(w, seen);
    for (QString move : QString::fromLatin1(kWholeGame).split(';')) {
        move = move.trimmed().replace(' ', '_');
        click(w, move);
        settle(w);
        if (::testing::Test::HasFailure()) return;
    }
    ASSERT_FALSE(seen.question.isEmpty()) << "the game did not end";
    EXPECT_EQ(seen.question, "Поздравляю! Выиграли синие фишки!\nХотите сыграть ещё?");
    EXPECT_EQ(seen.chipsShown, 0) << "the last chip still hung on the board";
    EXPECT_EQ(seen.blue, "140");
    EXPECT_EQ(seen.red, "100");
    // After No the finished board simply stays.
    EXPECT_EQ(w.findChild<QLabel*>("Label2")->text(), "140");
    EXPECT_EQ(w.findChild<QLabel*>("Label3")->text(), "100");
    EXPECT_TRUE(w.findChild<QWidget*>("Command4_0")->isVisible());
    QString where = QString::fromLocal8Bit(qgetenv("REIKOBOY_SCREENSHOT"));
    if (!where.isEmpty()) {
        EXPECT_TRUE(seen.shot.save(QFileInfo(where).dir().filePath("end-of-game.png")));
    }
}

}  // namespace
}  // namespace reikoboy::testing
