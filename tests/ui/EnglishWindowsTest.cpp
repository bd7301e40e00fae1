// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A change of language reaches the windows that stay open: the record of the game, the
// statistics and the help say everything again in the new language at once, with their
// controls' names (what the program finds them by) unchanged; the help shows the English
// twin of the page on screen, and the Russian page where no twin exists. The board's names
// for a screen reader are made again when the window asks, and turns are told in English.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>

#include "ai/SilentHost.h"
#include "game/Game.h"
#include "game/History.h"
#include "ui/board/BoardAnnouncer.h"
#include "ui/board/BoardNames.h"
#include "ui/board/TurnWords.h"
#include "ui/start/Language.h"
#include "ui/windows/Form2.h"
#include "ui/windows/GameRecordWindow.h"
#include "ui/windows/HelpBrowser.h"
#include "ui/windows/StatisticsWindow.h"

namespace reikoboy::testing {
namespace {

// Stands in for a translation: every text of the game's windows comes back marked.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        const QByteArray ours(context);
        if (!ours.startsWith("reikoboy::") && !ours.startsWith("Board")) return {};
        return QStringLiteral("EN:") + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

// Installs the marking translator for as long as it lives; the windows hear of it, and of
// its removal, as they would of the player's choice in the menu.
class Marked {
public:
    Marked() {
        QCoreApplication::installTranslator(&translator_);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    ~Marked() {
        QCoreApplication::removeTranslator(&translator_);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }

private:
    MarkingTranslator translator_;
};

QStringList headers(const QTableWidget* table, Qt::Orientation orientation) {
    QStringList all;
    const int count = orientation == Qt::Horizontal ? table->columnCount() : table->rowCount();
    for (int i = 0; i < count; ++i) all << table->model()->headerData(i, orientation).toString();
    return all;
}

TEST(EnglishWindowsTest, TheStatisticsSayEverythingAgain) {
    StatisticsWindow window(nullptr);
    auto* table = window.findChild<QTableWidget*>("StatisticsTable");
    auto* reset = window.findChild<QPushButton*>("StatisticsReset");
    ASSERT_TRUE(table && reset);
    const QStringList columns = headers(table, Qt::Horizontal);
    const QStringList rows = headers(table, Qt::Vertical);
    EXPECT_EQ(columns.value(3), "Лучший перевес");
    EXPECT_EQ(rows.value(2), "Против «Новичка»");
    {
        Marked english;
        EXPECT_EQ(window.windowTitle(), "EN:Статистика");
        EXPECT_EQ(headers(table, Qt::Horizontal).value(0), "EN:Победы");
        EXPECT_EQ(headers(table, Qt::Vertical).value(2), "EN:Против «Новичка»");
        EXPECT_EQ(headers(table, Qt::Vertical).value(5), "EN:По сети");
        EXPECT_EQ(table->accessibleName(), "EN:Статистика игр");
        EXPECT_EQ(reset->text(), "EN:&Сбросить");
        EXPECT_EQ(window.objectName(), "Statistics");
        EXPECT_EQ(table->objectName(), "StatisticsTable");
    }
    EXPECT_EQ(window.windowTitle(), "Статистика");
    EXPECT_EQ(headers(table, Qt::Horizontal), columns);
    EXPECT_EQ(headers(table, Qt::Vertical), rows);
    EXPECT_EQ(reset->text(), "&Сбросить");
}

TEST(EnglishWindowsTest, TheRecordRewritesItsLines) {
    ai::SilentHost host;
    Game game(host);
    game.newGame();
    History history;
    for (BoardClick click : {BoardClick{Button::Command1, 3}, BoardClick{Button::Command3, 1}}) {
        ASSERT_TRUE(history.click(game, click));
        game.finishAnimation();
    }
    GameRecordWindow record(nullptr);
    record.show();
    record.follow(history, game.state());
    QListWidget* list = record.list();
    ASSERT_EQ(list->count(), 1);
    const QString russian = list->item(0)->text();
    EXPECT_EQ(russian, "1. Синие: фишка в столбец 7, сдвиг рейки 2 вправо");
    {
        Marked english;
        EXPECT_EQ(record.windowTitle(), "EN:Запись игры");
        EXPECT_EQ(list->accessibleName(), "EN:Ходы этой игры");
        ASSERT_EQ(list->count(), 1) << "the record lost its turns";
        EXPECT_TRUE(list->item(0)->text().startsWith("1. EN:Синие: ")) << list->item(0)->text().toStdString();
        EXPECT_EQ(list->objectName(), "GameRecordList");
        EXPECT_EQ(record.objectName(), "GameRecord");
    }
    EXPECT_EQ(list->item(0)->text(), russian);
    EXPECT_EQ(record.windowTitle(), "Запись игры");
}

TEST(EnglishWindowsTest, TheBoardIsNamedAgainWhenAsked) {
    ai::SilentHost host;
    Game game(host);
    game.newGame();
    QWidget board;
    auto* chip = new QWidget(&board);
    std::array<QWidget*, kRails> rails{};
    for (QWidget*& rail : rails) rail = new QWidget(&board);
    auto* turn = new QWidget(&board);
    auto* blue = new QWidget(&board);
    auto* red = new QWidget(&board);
    auto* drum = new QWidget(&board);
    ChipNames chips;
    chips.watch(kBlue, 0, chip);
    BoardAnnouncer announcer(turn, blue, red, rails, drum);
    chips.follow(game.state());
    announcer.follow(game.state());
    EXPECT_EQ(chip->accessibleName(), "Синяя фишка в запасе");
    EXPECT_EQ(blue->accessibleName(), "Синие: 0");
    {
        Marked english;
        // An unchanged board keeps its names, as an animation tick must not rename anything.
        chips.follow(game.state());
        announcer.follow(game.state());
        EXPECT_EQ(chip->accessibleName(), "Синяя фишка в запасе");
        chips.renameAll(game.state());
        announcer.renameAll(game.state());
        EXPECT_EQ(chip->accessibleName(), "EN:Синяя фишка в запасе");
        EXPECT_EQ(blue->accessibleName(), "EN:Синие: 0");
        EXPECT_TRUE(rails[0]->accessibleName().startsWith("EN:Рейка 1 ")) << rails[0]->accessibleName().toStdString();
        EXPECT_TRUE(drum->accessibleName().startsWith("EN:Барабан, положение ")) << drum->accessibleName().toStdString();
    }
    chips.renameAll(game.state());
    EXPECT_EQ(chip->accessibleName(), "Синяя фишка в запасе");
}

TEST(EnglishWindowsTest, TurnsAreToldInTheWindowsLanguage) {
    const ai::Turn turn{{Button::Command1, 1}, {Button::Command1, 5}, {Button::Command4, 0}};
    EXPECT_EQ(turnDoneWords(turn), "бросил фишки в столбцы 5 и 9 и повернул барабан вверх");
    applyLanguage(QStringLiteral("en"));
    const bool english = currentLanguage() == "en";
    const QString done = turnDoneWords(turn), hint = turnWords(turn), click = clickWords(turn.back());
    applyLanguage(QStringLiteral("ru"));
    if (!english) GTEST_SKIP() << "the English translation is not built in";
    EXPECT_EQ(done, "dropped chips into columns 5 and 9 and turned the drum up");
    EXPECT_EQ(hint, "chip into column 5, chip into column 9, drum up");
    EXPECT_EQ(click, "drum up");
    EXPECT_EQ(turnWords(turn), "фишка в столбец 5, фишка в столбец 9, барабан вверх");
}

// Runs with the game's own data folder as the current directory, where help is looked for
// first, and puts the current directory back after.
class HelpPages : public ::testing::Test {
protected:
    void SetUp() override {
        before_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(QStringLiteral(REIKOBOY_DATA_DIR)));
    }
    void TearDown() override { QDir::setCurrent(before_); }

    static QString page(const HelpBrowser* browser) {
        return QDir(QStringLiteral(REIKOBOY_DATA_DIR)).relativeFilePath(browser->source().toLocalFile());
    }

    // As a click on a link does, relative to the page on screen.
    static void follow(HelpBrowser* browser, const char* link) {
        browser->setSource(browser->source().resolved(QUrl(QString::fromLatin1(link))));
    }

    QString language_ = QStringLiteral("en");
    std::function<QString()> chosen = [this] { return language_; };

private:
    QString before_;
};

TEST_F(HelpPages, EnglishHelpOpensOnTheEnglishContents) {
    HelpBrowser browser(nullptr);
    browser.language = chosen;
    ASSERT_TRUE(browser.showContents());
    EXPECT_EQ(page(&browser), "en/index.htm");
    EXPECT_TRUE(browser.toPlainText().contains("Rules of the game"));
    follow(&browser, "help/drum.htm");
    EXPECT_EQ(page(&browser), "en/help/drum.htm");
}

TEST_F(HelpPages, TheHelpWindowShowsThePageInTheLanguageChosen) {
    Form2 help(nullptr);
    HelpBrowser* browser = help.browser();
    EXPECT_EQ(page(browser), "index.htm") << "the game speaks Russian";
    follow(browser, "help/rules.htm");
    auto* back = help.findChild<QPushButton*>("Command2");
    ASSERT_TRUE(back);
    browser->language = chosen;
    {
        Marked english;
        EXPECT_EQ(page(browser), "en/help/rules.htm");
        EXPECT_EQ(help.windowTitle(), "EN:Справка");
        EXPECT_EQ(back->text(), "EN:&Назад");
        EXPECT_EQ(back->objectName(), "Command2");
        language_ = QStringLiteral("ru");
    }
    EXPECT_EQ(page(browser), "help/rules.htm");
    EXPECT_EQ(help.windowTitle(), "Справка");
}

TEST(EnglishWindowsTest, APageWithoutTwinStaysRussian) {
    QTemporaryDir data;
    ASSERT_TRUE(QDir(data.path()).mkpath("en/help") && QDir(data.path()).mkpath("help"));
    for (const char* name : {"index.htm", "help/both.htm", "help/russian.htm", "en/index.htm", "en/help/both.htm"}) {
        QFile file(data.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(name);
    }
    const QString root = data.path();
    auto path = [&](const char* name) { return data.filePath(name); };
    EXPECT_EQ(HelpBrowser::twinPage(root, path("help/both.htm"), true), path("en/help/both.htm"));
    EXPECT_EQ(HelpBrowser::twinPage(root, path("en/help/both.htm"), false), path("help/both.htm"));
    EXPECT_EQ(HelpBrowser::twinPage(root, path("help/russian.htm"), true), path("help/russian.htm"));
    EXPECT_EQ(HelpBrowser::twinPage(root, path("index.htm"), true), path("en/index.htm"));
    EXPECT_EQ(HelpBrowser::twinPage(root, "/elsewhere/page.htm", true), "/elsewhere/page.htm");
}

}  // namespace
}  // namespace reikoboy::testing
