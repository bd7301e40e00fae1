// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Saving, opening and closing through the real dialogs, the help window and the About window.
// A modal dialog is answered by finding it as the active modal widget once it is up.
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "DialogAnswers.h"
#include "MailCatcher.h"
#include "UiTestSupport.h"
#include <unistd.h>
#include "persist/SavedGame.h"
#include "ui/windows/Form2.h"
#include "ui/windows/Form3.h"

namespace reikoboy::testing {
namespace {

QByteArray contents(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString here(const QString& name) { return QDir::current().absoluteFilePath(name); }

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override { storeSettings({}, {}); }
    void trigger(Form1& w, const char* action) { w.findChild<QAction*>(action)->trigger(); }
};

TEST_F(DialogsTest, SaveOpenSaveGivesTheSameBytes) {
    Form1 w;
    w.show();
    click(w, "Command1_3");
    click(w, "Command3_1");  // saved at once: the slide and its falls are run to their end
    DialogAnswers answers;
    answers.then(chooseFile(here("first.sav")));
    trigger(w, "Sa");
    QByteArray first = contents("first.sav");
    ASSERT_EQ(first.count("\r\n"), 212);
    EXPECT_EQ(first.toStdString(), writeSavedGame(w.game().state()));

    Form1 other;
    answers.then(chooseFile(here("first.sav")));
    trigger(other, "Op");
    EXPECT_EQ(other.game().state().freshGame, 1);
    EXPECT_EQ(other.findChild<QLabel*>("Label1")->text(), "Ходят красные фишки");
    answers.then(chooseFile(here("second.sav")));
    trigger(other, "Sa");
    EXPECT_EQ(contents("second.sav"), first);
    EXPECT_TRUE(answers.allUsed());
}

TEST_F(DialogsTest, StartUpAndNewGameSaveAsTheirTwoFiles) {
    Form1 w;
    DialogAnswers answers;
    answers.then(chooseFile(here("startup.sav")));
    trigger(w, "Sa");
    EXPECT_TRUE(contents("startup.sav").contains("\r\n0,0,0,,,,,-1\r\n"));
    trigger(w, "Nova");
    answers.then(chooseFile(here("newgame.sav")));
    trigger(w, "Sa");
    EXPECT_TRUE(contents("newgame.sav").startsWith("56\r\n0\r\n56\r\n0\r\n"));
    EXPECT_TRUE(contents("newgame.sav").contains("\r\n0,0,0,0,0,0,0,-1\r\n"));
}

TEST_F(DialogsTest, ABrokenFileIsRefusedWithTheMessageAndTheGameGoesOn) {
    Form1 w;
    w.show();
    click(w, "Command1_3");
    std::string before = writeSavedGame(w.game().state());
    QFile broken("broken.sav");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("Рейкобой\r\n1\r\n");
    broken.close();
    DialogAnswers answers;
    answers.then(chooseFile(here("broken.sav")));
    answers.then(press(QMessageBox::Ok));
    trigger(w, "Op");
    EXPECT_EQ(answers.seen.value(1), "Ошибка!: Этот файл не сохранённая игра!");
    EXPECT_EQ(writeSavedGame(w.game().state()), before);
    EXPECT_TRUE(w.findChild<QWidget*>("Command5")->isVisible());
}

// A place no save can go: a folder without write permission, or, for root, which writes
// into any folder, a folder of the kernel's.
QString unwritableTarget() {
    if (::geteuid() == 0) return QStringLiteral("/proc/self/game.sav");
    QDir().mkpath("locked");
    QFile::setPermissions("locked", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile old("locked/game.sav");
    if (old.open(QIODevice::WriteOnly)) old.write("old game\r\n");
    old.close();
    QFile::setPermissions("locked", QFile::ReadOwner | QFile::ExeOwner);
    return here("locked/game.sav");
}

TEST_F(DialogsTest, ASaveThatCannotBeWrittenSaysSoAndKeepsTheOldFile) {
    QString target = unwritableTarget();
    Form1 w;
    DialogAnswers answers;
    answers.then(chooseFile(target));
    answers.then(press(QMessageBox::Ok));
    trigger(w, "Sa");
    EXPECT_TRUE(answers.allUsed());
    EXPECT_TRUE(answers.seen.value(1).contains("game.sav")) << answers.seen.join("|").toStdString();
    if (::geteuid() != 0) {
        EXPECT_EQ(contents("locked/game.sav"), "old game\r\n");
    }
}

TEST_F(DialogsTest, ClosingAsksOnlyAfterAMoveAndWritesTheSettingsEveryTime) {
    {
        Form1 fresh;
        fresh.show();
        EXPECT_TRUE(fresh.close()) << "no question before any move";
    }
    Form1 w;
    w.show();
    click(w, "Command1_3");
    trigger(w, "Son");  // sound off
    DialogAnswers answers;
    answers.then(press(QMessageBox::Cancel));
    EXPECT_FALSE(w.close());
    EXPECT_EQ(answers.seen.value(0), "Рейкобой: Хотите сохранить начатую игру?");
    {
        REIKOBOY_STORE(s);
        EXPECT_EQ(s.value("Settings/&Звук").toString(), "1");
    }
    trigger(w, "Son");
    answers.then(press(QMessageBox::Yes));
    answers.then(cancel());  // a cancelled save dialog still closes
    EXPECT_TRUE(w.close());
    REIKOBOY_STORE(s);
    EXPECT_EQ(s.value("Settings/&Звук").toString(), "0");
}

TEST_F(DialogsTest, TheEndOfTheDesktopSessionAsksLikeClosingAndOnlyOnce) {
    Form1 w;
    w.show();
    click(w, "Command1_3");
    DialogAnswers answers;
    answers.then(press(QMessageBox::Cancel));
    EXPECT_FALSE(w.endOfSession(true)) << "Cancel keeps the session from ending";
    EXPECT_TRUE(answers.allUsed());
    {
        REIKOBOY_STORE(s);
        EXPECT_EQ(s.value("Settings/&Звук").toString(), "0") << "settings written after Cancel too";
    }
    answers.then(press(QMessageBox::No));
    EXPECT_TRUE(w.endOfSession(true));
    trigger(w, "Son");  // sound off, between the answer and the close
    EXPECT_TRUE(w.close()) << "the close that ends the session asks nothing more";
    EXPECT_TRUE(answers.allUsed());
    REIKOBOY_STORE(s);
    EXPECT_EQ(s.value("Settings/&Звук").toString(), "1") << "that close still keeps the settings";
}

TEST_F(DialogsTest, ASessionEndingWithoutQuestionsStillKeepsTheSettings) {
    Form1 w;
    w.show();
    click(w, "Command1_3");
    trigger(w, "Son");
    DialogAnswers answers;
    answers.then(press(QMessageBox::Cancel));  // would answer a question that must not come
    EXPECT_TRUE(w.endOfSession(false));
    EXPECT_FALSE(answers.allUsed()) << answers.seen.join("|").toStdString();
    REIKOBOY_STORE(s);
    EXPECT_EQ(s.value("Settings/&Звук").toString(), "1");
}

TEST_F(DialogsTest, ClosingAfterAFailedSaveKeepsTheGame) {
    QString target = unwritableTarget();
    Form1 w;
    w.show();
    click(w, "Command1_3");
    DialogAnswers answers;
    answers.then(press(QMessageBox::Yes));
    answers.then(chooseFile(target));
    answers.then(press(QMessageBox::Ok));
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(answers.allUsed());
}

TEST_F(DialogsTest, HelpOpensOnTheFirstPageFollowsLinksAndGoesBack) {
    QFile index("index.htm"), second("second.htm");
    ASSERT_TRUE(index.open(QIODevice::WriteOnly) && second.open(QIODevice::WriteOnly));
    index.write("<html><body><p>Первая страница</p><a href=\"second.htm\">дальше</a></body></html>");
    second.write("<html><body><p>Вторая страница</p></body></html>");
    index.close();
    second.close();
    Form1 w;
    for (int opening = 0; opening < 2; ++opening) {
        Form2 help(&w);
        EXPECT_EQ(help.windowTitle(), "Справка");
        EXPECT_EQ(help.size(), QSize(570, 390));
        QTextBrowser* browser = help.browser();
        EXPECT_TRUE(browser->toPlainText().contains("Первая страница"));
        help.findChild<QPushButton*>("Command2")->click();  // back on the first page: nothing
        EXPECT_TRUE(browser->toPlainText().contains("Первая страница"));
        browser->setSource(QUrl("second.htm"));
        EXPECT_TRUE(browser->toPlainText().contains("Вторая страница"));
        help.findChild<QPushButton*>("Command2")->click();
        EXPECT_TRUE(browser->toPlainText().contains("Первая страница"));
        browser->setSource(QUrl("second.htm"));  // left on the second page, reopened on the first
    }
    DialogAnswers answers;
    answers.then([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
    trigger(w, "Vhelp");
    EXPECT_EQ(answers.seen.value(0), "Form2");
    QFile::remove("index.htm");
    Form2 missing(&w);
    EXPECT_TRUE(missing.browser()->toPlainText().contains("Справка не найдена"));
}

TEST_F(DialogsTest, AboutUnderlinesTheAddressAndMailsIt) {
    Form1 w;
    Form3 about(&w);
    about.show();
    EXPECT_EQ(about.windowTitle(), "О программе...");
    EXPECT_EQ(about.size(), QSize(337, 142));
    QLabel* mail = about.mailLabel();
    auto moveOver = [](QWidget* target) {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    };
    EXPECT_FALSE(mail->font().underline());
    moveOver(mail);
    EXPECT_TRUE(mail->font().underline());
    moveOver(about.findChild<QPushButton*>("Command1"));  // onto another control: it stays
    EXPECT_TRUE(mail->font().underline());
    moveOver(&about);
    EXPECT_FALSE(mail->font().underline());
    EXPECT_EQ(mail->cursor().hotSpot(), QPoint(13, 9));

    MailCatcher mailer;
    QDesktopServices::setUrlHandler("mailto", &mailer, "open");
    QTest::mouseClick(mail, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("mailto");
    EXPECT_EQ(mailer.last, QUrl("mailto:" + Form3::authorAddress()));
    EXPECT_TRUE(about.isVisible()) << "the About window stays open";
    EXPECT_TRUE(mail->text().endsWith(Form3::authorAddress()));
    EXPECT_TRUE(Form3::authorAddress().contains('@'));

    DialogAnswers answers;
    answers.then([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
    w.findChild<QAction*>("Oprog")->trigger();
    EXPECT_EQ(answers.seen.value(0), "Form3");
    EXPECT_TRUE(answers.allUsed());
}

}  // namespace
}  // namespace reikoboy::testing
