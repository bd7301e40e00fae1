// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The help and About windows as a player meets them: where they open, which control takes the
// keys, and the e-mail address drawn in full beside the picture.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>

#include "UiTestSupport.h"
#include "ui/Form2.h"
#include "ui/Form3.h"

namespace reikoboy::testing {
namespace {

class HelpAndAboutTest : public ::testing::Test {
protected:
    void SetUp() override {
        storeSettings({}, {});
        main_.move(0, 0);
        main_.show();
    }
    // How far a window's middle lies from the middle of the free part of the screen.
    static int offCentre(const QWidget& window) {
        QPoint free = window.screen()->availableGeometry().center();
        return (window.frameGeometry().center() - free).manhattanLength();
    }
    Form1 main_;
};

TEST_F(HelpAndAboutTest, HelpOpensInTheMiddleWithThePageTakingTheKeys) {
    QFile index("index.htm");
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("<html><body>");
    for (int i = 0; i < 200; ++i) index.write("<p>Строка справки, длинная страница.</p>");
    index.write("</body></html>");
    index.close();

    Form2 help(&main_);
    help.show();
    help.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    EXPECT_LE(offCentre(help), 4) << "not in the middle of the screen";
    EXPECT_GT((help.frameGeometry().center() - main_.frameGeometry().center()).manhattanLength(), 40)
        << "opened over the main window";
    QTextBrowser* page = help.browser();
    EXPECT_EQ(QApplication::focusWidget(), page);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    int afterPageDown = page->verticalScrollBar()->value();
    EXPECT_GT(afterPageDown, 0) << "PageDown did not scroll the page";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_GT(page->verticalScrollBar()->value(), afterPageDown) << "the arrow did not scroll";
    EXPECT_TRUE(help.findChild<QPushButton*>("Command1")->isDefault());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(help.isVisible()) << "Enter did not close the help";
    EXPECT_EQ(help.result(), QDialog::Accepted);
    QFile::remove("index.htm");
}

TEST_F(HelpAndAboutTest, AboutOpensInTheMiddleWithTheWholeAddressBesideThePicture) {
    Form3 about(&main_);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_LE(offCentre(about), 4);
    QLabel* mail = about.mailLabel();
    EXPECT_EQ(mail->pos(), QPoint(200, 72)) << "the label left its place";
    EXPECT_GE(mail->width(), 97);
    EXPECT_LE(mail->geometry().right(), about.width() - 1) << "the label runs out of the window";
    EXPECT_LE(mail->geometry().bottom(), 111) << "the label runs into the Ok button";
    // Every line of the text fits the label's width: nothing is cut off.
    QStringList lines = mail->wordWrap() ? mail->text().split(' ') : QStringList{mail->text()};
    for (const QString& line : lines)
        EXPECT_LE(mail->fontMetrics().horizontalAdvance(line), mail->width()) << line.toStdString();
    EXPECT_GE(mail->height(), mail->heightForWidth(mail->width()));
    QString where = QString::fromLocal8Bit(qgetenv("REIKOBOY_SCREENSHOT"));
    if (!where.isEmpty()) {
        EXPECT_TRUE(about.grab().save(QFileInfo(where).dir().filePath("about.png")));
    }
}

}  // namespace
}  // namespace reikoboy::testing
