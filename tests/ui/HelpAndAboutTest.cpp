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
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <atomic>
#include <map>

#include "UiTestSupport.h"
#include "ui/windows/Form2.h"
#include "ui/windows/Form3.h"

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

// The help as the game ships it, copied beside the tests: index.htm, help/ and pictures/.
void copyShippedHelp() {
    QDir from(QStringLiteral(REIKOBOY_DATA_DIR));
    QFile::copy(from.filePath("index.htm"), "index.htm");
    for (const char* folder : {"help", "pictures"}) {
        QDir().mkpath(folder);
        for (const QString& file : QDir(from.filePath(folder)).entryList(QDir::Files))
            QFile::copy(from.filePath(QString("%1/%2").arg(folder, file)), QString("%1/%2").arg(folder, file));
    }
}

// Each paragraph of the shown page: its text and the pictures in it.
struct ShownParagraph {
    QString text;
    QStringList pictures;
};
std::vector<ShownParagraph> paragraphs(const QTextDocument& page) {
    std::vector<ShownParagraph> all;
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
        ShownParagraph paragraph{block.text(), {}};
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                paragraph.pictures << it.fragment().charFormat().toImageFormat().name();
        all.push_back(paragraph);
    }
    return all;
}

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

std::atomic<int> printed{0};
void countMessage(QtMsgType, const QMessageLogContext&, const QString&) { ++printed; }

TEST_F(HelpAndAboutTest, WithNoMailProgramTheWindowSaysSoAndTheTerminalNothing) {
    Form3 about(&main_);
    about.show();
    QLabel* note = about.noMailNote();
    ASSERT_NE(note, nullptr);
    EXPECT_FALSE(note->isVisible());
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");  // no program that could open the address
    QtMessageHandler before = qInstallMessageHandler(countMessage);
    QTest::mouseClick(about.mailLabel(), Qt::LeftButton);
    qInstallMessageHandler(before);
    qputenv("PATH", path);
    EXPECT_EQ(printed, 0);
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(about.rect().contains(note->geometry()));
    for (const QString& word : note->text().split(' '))
        EXPECT_LE(note->fontMetrics().horizontalAdvance(word), note->width()) << word.toStdString();
    EXPECT_LE(note->heightForWidth(note->width()), note->height()) << "the note is cut off";
    EXPECT_TRUE(about.mailLabel()->textInteractionFlags() & Qt::TextSelectableByMouse);
}

TEST_F(HelpAndAboutTest, EveryHelpPageFitsTheWindowShowsItsPicturesAndSaysWhatTheGameDoes) {
    copyShippedHelp();
    Form2 help(&main_);
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    QTextBrowser* page = help.browser();
    std::map<QString, std::vector<ShownParagraph>> shown;
    for (const char* name : {"index.htm", "help/rules.htm", "help/drum.htm", "help/menus.htm", "help/computer.htm",
                             "help/tips.htm", "help/network.htm"}) {
        page->setSource(QUrl::fromLocalFile(QDir::current().absoluteFilePath(name)));
        QApplication::processEvents();
        ASSERT_FALSE(page->toPlainText().isEmpty()) << name;
        EXPECT_EQ(page->horizontalScrollBar()->maximum(), 0) << name << ": wider than the window";
        shown[name] = paragraphs(*page->document());
        QString where = QString::fromLocal8Bit(qgetenv("REIKOBOY_SCREENSHOT"));
        if (!where.isEmpty() && QByteArray(name) == "help/rules.htm") {
            page->verticalScrollBar()->setValue(page->verticalScrollBar()->maximum() / 2);
            EXPECT_TRUE(help.grab().save(QFileInfo(where).dir().filePath("help-rules.png")));
        }
        for (const ShownParagraph& paragraph : shown[name])
            for (const QString& picture : paragraph.pictures)
                EXPECT_FALSE(page->loadResource(QTextDocument::ImageResource, page->source().resolved(QUrl(picture))).isNull())
                    << name << ": " << picture.toStdString();
    }
    // The paragraph that says `words`, with the pictures of the one before it: in a table the
    // icon stands in the cell left of its text.
    auto paragraphWith = [&](const char* page, const QString& words) {
        const std::vector<ShownParagraph>& all = shown[page];
        for (size_t i = 0; i < all.size(); ++i)
            if (all[i].text.contains(words))
                return ShownParagraph{all[i].text, all[i].pictures + (i > 0 ? all[i - 1].pictures : QStringList())};
        ADD_FAILURE() << page << ": no paragraph says " << words.toStdString();
        return ShownParagraph{};
    };
    // Down turns of the drum have their arrow, like up turns.
    for (auto [name, words] : {std::pair{"help/rules.htm", "поворот барабана вверх"},
                               {"help/drum.htm", "I → II → III → I"},
                               {"help/menus.htm", "Повернуть барабан вверх или вниз"}}) {
        ShownParagraph down = paragraphWith(name, QString::fromUtf8(words));
        EXPECT_TRUE(down.pictures.filter("drop.png").size() == 1 && down.pictures.filter("drum_up.png").size() <= 1)
            << name << ": " << down.pictures.join(' ').toStdString();
    }
    // A barred button shows a padlock; nothing is called grey.
    const QRegularExpression grey(QStringLiteral("\\bсер(ый|ая|ое|ые|ого|ой|ым|ыми|ых)\\b"),
                                  QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    EXPECT_TRUE(paragraphWith("help/rules.htm", "замок").pictures.filter("disabled.png").size() == 1);
    for (auto& [name, content] : shown)
        for (const ShownParagraph& p : content)
            EXPECT_FALSE(p.text.contains(grey)) << name.toStdString() << ": " << p.text.toStdString();
    // PNG pictures are accepted, and the player is told which file type shows them.
    EXPECT_TRUE(paragraphWith("help/menus.htm", "PNG").text.contains("«Все файлы»"));
}

}  // namespace
}  // namespace reikoboy::testing
