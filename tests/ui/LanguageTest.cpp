// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The window in English and in Russian: chosen from the desktop's languages or the menu, and
// switched in the middle of a game without touching the game.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "UiTestSupport.h"
#include "persist/SavedGame.h"
#include "ui/start/Language.h"
#include "ui/window/Form1.h"

namespace reikoboy::testing {

namespace {

// What the game chooses when started with `environment` (locale variables only) and the
// stored «Язык» `stored`: the language, the window's title and the first menu's title.
QStringList startedWith(const QStringList& environment, const QString& stored) {
    storeSettings({}, {});
    if (!stored.isEmpty()) {
        REIKOBOY_STORE(store);
        store.setValue(QStringLiteral("Settings/Язык"), stored);
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) env.remove(QLatin1String(name));
    for (const QString& pair : environment) env.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QStringLiteral(REIKOBOY_SESSION_CHILD), {QStringLiteral("language")});
    if (!child.waitForFinished(30000)) return {QStringLiteral("no answer")};
    return QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList menuTexts(const Form1& w) {
    QStringList texts;
    for (QMenu* menu : w.findChildren<QMenu*>())
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) texts << a->text();
    return texts;
}

}  // namespace

TEST(Language, TheDesktopsFirstLanguageWithATranslationOrTheMenusChoice) {
    const QStringList russian{"ru", "Рейкобой", "&Файл"}, english{"en", "Reikoboy", "&Game"};
    EXPECT_EQ(startedWith({}, {}), russian);  // no language at all: the C locale
    EXPECT_EQ(startedWith({"LANG=C"}, {}), russian);
    EXPECT_EQ(startedWith({"LC_ALL=POSIX"}, {}), russian);
    EXPECT_EQ(startedWith({"LANG=ru_RU.UTF-8"}, {}), russian);
    EXPECT_EQ(startedWith({"LANG=en_GB.UTF-8"}, {}), english);
    EXPECT_EQ(startedWith({"LANGUAGE=en", "LANG=C"}, {}), english);
    EXPECT_EQ(startedWith({"LANG=de_DE.UTF-8"}, {}), english);  // no German: English
    EXPECT_EQ(startedWith({"LANGUAGE=de:ru", "LANG=de_DE.UTF-8"}, {}), russian);
    EXPECT_EQ(startedWith({"LANGUAGE=fr:en:ru", "LANG=fr_FR.UTF-8"}, {}), english);
    EXPECT_EQ(startedWith({"LC_ALL=ru_RU.UTF-8", "LANG=en_US.UTF-8"}, {}), russian);
    // The menu's choice wins over the desktop; junk in the store means the desktop's.
    EXPECT_EQ(startedWith({"LANG=ru_RU.UTF-8"}, "en"), english);
    EXPECT_EQ(startedWith({"LANGUAGE=en"}, "ru"), russian);
    EXPECT_EQ(startedWith({"LANG=en_US.UTF-8"}, "klingon"), english);
    storeSettings({}, {});
}

// Switched from the menu in the middle of a game: every text follows, nothing of the game
// moves, and back in Russian every text is exactly as before.
TEST(Language, SwitchingInTheMiddleOfAGameChangesTheTextsOnly) {
    storeSettings({}, {});
    applyLanguage(QStringLiteral("ru"));
    Form1 w;
    w.show();
    const QStringList russianMenus = menuTexts(w);
    const QString russianLabel = w.findChild<QLabel*>("Label1")->text();
    const QString russianHint = w.findChild<QAbstractButton*>("Command1_3")->accessibleDescription();
    w.findChild<QAbstractButton*>("Command1_3")->click();
    settle(w);
    const std::string before = writeSavedGame(w.game().state());
    const QString labelNow = w.findChild<QLabel*>("Label1")->text();

    w.findChild<QAction*>("LanguageEnglish")->trigger();
    QTest::qWait(20);  // the language change reaches the windows through the event loop
    EXPECT_EQ(currentLanguage(), "en");
    EXPECT_EQ(w.windowTitle(), "Reikoboy");
    EXPECT_EQ(w.findChild<QMenu*>("File")->title(), "&Game");
    EXPECT_EQ(w.findChild<QAction*>("Nova")->text(), "&New game");
    EXPECT_EQ(w.findChild<QAction*>("Undo")->text(), "&Undo move");
    EXPECT_EQ(w.findChild<QAction*>("LanguageDesktop")->text(), "As on the &desktop");
    EXPECT_EQ(w.findChild<QAction*>("LanguageRussian")->text(), "&Русский");
    EXPECT_EQ(w.findChild<QPushButton*>("Command5")->text(), "&That's enough!");
    EXPECT_EQ(w.findChild<QAbstractButton*>("Command2_0")->accessibleDescription(), "Click to slide this rail to the left.");
    EXPECT_EQ(w.findChild<QLabel*>("Label1")->text(), "Blue to move");
    for (const QString& text : menuTexts(w)) EXPECT_FALSE(text.contains(QRegularExpression("[А-Яа-яЁё]")) &&
                                                          text != "&Русский") << text.toStdString();
    EXPECT_EQ(writeSavedGame(w.game().state()), before);
    {
        REIKOBOY_STORE(store);
        EXPECT_EQ(store.value("Settings/Язык").toString(), "en");
    }

    w.findChild<QAction*>("LanguageRussian")->trigger();
    QTest::qWait(20);
    EXPECT_EQ(currentLanguage(), "ru");
    EXPECT_EQ(menuTexts(w), russianMenus);
    EXPECT_EQ(w.findChild<QLabel*>("Label1")->text(), labelNow);
    EXPECT_EQ(w.findChild<QAbstractButton*>("Command1_3")->accessibleDescription(), russianHint);
    EXPECT_EQ(writeSavedGame(w.game().state()), before);
    EXPECT_EQ(russianLabel, "Ходят синии фишки");
    applyLanguage(QStringLiteral("ru"));
    storeSettings({}, {});
}

}  // namespace reikoboy::testing
