// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What a screen reader is told about the board: a short name for every button, the hint as its
// description, chips named by colour and cell, the turn label's changes, the scores, rails and
// drum, and what one move says and where it leaves the focus.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QStringList>
#include <QLabel>
#include <QPushButton>
#include <set>

#include "ui/board/BoardAnnouncer.h"
#include "ui/board/BoardNames.h"

#include "UiTestSupport.h"

namespace reikoboy::testing {
namespace {

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override { storeSettings({}, {}); }
    static QString spoken(const Form1& w, const QString& name, QAccessible::Text what = QAccessible::Name) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control(w, name));
        return face ? face->text(what) : QStringLiteral("<none>");
    }
    static std::string said(const Form1& w, const QString& name) { return spoken(w, name).toStdString(); }
};

TEST_F(AccessibilityTest, EveryBoardButtonHasItsOwnShortNameAndItsHint) {
    Form1 w;
    w.show();
    EXPECT_EQ(spoken(w, "Command1_0"), "Бросить фишку в столбец 4");
    EXPECT_EQ(spoken(w, "Command1_6"), "Бросить фишку в столбец 10");
    EXPECT_EQ(spoken(w, "Command1_3", QAccessible::Description), "Нажмите чтобы бросить фишку в эту ячейку.");
    EXPECT_EQ(spoken(w, "Command2_2"), "Рейка 3 влево");
    EXPECT_EQ(spoken(w, "Command3_5"), "Рейка 6 вправо");
    EXPECT_EQ(spoken(w, "Command3_0", QAccessible::Description), "Нажмите что бы передвинуть эту рейку вправо.");
    EXPECT_EQ(spoken(w, "Command4_0"), "Барабан вверх (справа)");
    EXPECT_EQ(spoken(w, "Command4_1"), "Барабан вниз (справа)");
    EXPECT_EQ(spoken(w, "Command4_2"), "Барабан вверх (слева)");
    EXPECT_EQ(spoken(w, "Command4_3"), "Барабан вниз (слева)");
    EXPECT_EQ(spoken(w, "Command4_3", QAccessible::Description), "Нажмите чтобы крутануть барабан вниз.");
    EXPECT_EQ(spoken(w, "Command5"), "Всё, хватит!");
    EXPECT_EQ(spoken(w, "Command5", QAccessible::Description), "Нажмите если хотите передать ход сопернику.");
    std::set<QString> names;
    int buttons = 0;
    for (auto [array, count] : {std::pair{"Command1_%1", 7}, {"Command2_%1", 6}, {"Command3_%1", 6}, {"Command4_%1", 4}})
        for (int i = 0; i < count; ++i, ++buttons) names.insert(spoken(w, QString::fromLatin1(array).arg(i)));
    EXPECT_EQ(int(names.size()), buttons) << "two buttons sound alike";
}

TEST_F(AccessibilityTest, ChipsAreNamedByTheirCellAndTheTurnIsSpoken) {
    Form1 w;
    w.show();
    EXPECT_EQ(spoken(w, "Image5_0"), "Синяя фишка в запасе");
    EXPECT_EQ(spoken(w, "Image6_7"), "Красная фишка в запасе");
    click(w, "Command1_3");
    EXPECT_EQ(spoken(w, "Image5_0"), "Синяя фишка, столбец 7, рейка 1");
    EXPECT_EQ(spoken(w, "Label1"), "Ходят синии фишки");  // the design text until the first turn passes
    click(w, "Command3_1");  // the chip falls through two rails
    EXPECT_EQ(spoken(w, "Label1"), "Ходят красные фишки");
    // A label without a name of its own tells the screen reader of every new caption; a fixed
    // name would keep the turn's changes from it.
    EXPECT_TRUE(control(w, "Label1")->accessibleName().isEmpty());
    settle(w);
    EXPECT_EQ(spoken(w, "Image5_0"), "Синяя фишка, столбец 7, рейка 3");
    EXPECT_EQ(spoken(w, "Image6_0"), "Красная фишка в запасе");
    EXPECT_EQ(control(w, "Image5_0")->objectName(), "Image5_0");
}

TEST_F(AccessibilityTest, ScoresRailsAndTheDrumSayWhatTheyShow) {
    Form1 w;
    w.show();
    EXPECT_EQ(said(w, "Label2"), "Синие: 0");
    EXPECT_EQ(said(w, "Label3"), "Красные: 0");
    EXPECT_EQ(control<QLabel>(w, "Label3")->text(), "0");
    EXPECT_EQ(scoreName(kRed, 60), "Красные: 60");
    EXPECT_EQ(said(w, "Image1_0"), "Рейка 1 на месте, отверстия под столбцами 5, 7, 9");
    EXPECT_EQ(said(w, "Image3"), "Барабан, положение 1 из 3: столбцы 6, 7, 8 — 20 очков; "
                                   "столбцы 4, 5, 9, 10 — 10 очков; остальные — 0 очков");
    click(w, "Command2_0");
    settle(w);
    EXPECT_EQ(said(w, "Image1_0"), "Рейка 1 сдвинута влево на 1, отверстия под столбцами 4, 6, 8, 13");
    click(w, "Command4_0");  // up from the first position: the last one
    EXPECT_EQ(said(w, "Image3"), "Барабан, положение 3 из 3: столбцы 4, 5, 9, 10 — 50 очков; остальные — 0 очков");
}

// A screen reader speaks the control that takes the focus, by its name and description. The
// offscreen platform has no accessibility bridge to listen on, so the focus is followed here.
TEST_F(AccessibilityTest, AMoveSaysTheTurnAndScoresAndMovesTheFocusOnceWhileTheButtonsHide) {
    Form1 w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    click(w, "Command1_3");
    control(w, "Command3_1")->setFocus(Qt::TabFocusReason);
    QStringList heard;
    auto listener = QObject::connect(qApp, &QApplication::focusChanged, [&heard](QWidget*, QWidget* now) {
        if (!now) {
            heard << QStringLiteral("<nothing>");
            return;
        }
        QString said = now->objectName() + ": " + QAccessible::queryAccessibleInterface(now)->text(QAccessible::Name) +
                       " | " + now->accessibleDescription();
        heard << (now->isVisible() ? said : said + " (hidden)");
    });
    QTest::keyClick(control(w, "Command3_1"), Qt::Key_Space);  // a slide, and the chip falls
    ASSERT_TRUE(w.game().state().animating());
    QStringList whileMoving = heard;
    settle(w);
    QObject::disconnect(listener);
    EXPECT_EQ(whileMoving.join('\n').toStdString(), "Label1: Ходят красные фишки | Синие: 0, Красные: 0.");
    EXPECT_EQ(heard.join('\n').toStdString(),
              "Label1: Ходят красные фишки | Синие: 0, Красные: 0.\n"
              "Command1_1: Бросить фишку в столбец 5 | Ходят красные фишки. Синие: 0, Красные: 0. "
              "Нажмите чтобы бросить фишку в эту ячейку.");
}

TEST_F(AccessibilityTest, ANewOrOpenedBoardIsSpokenWithItsOwnScores) {
    Form1 w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    for (const char* move : {"Command1_3", "Command3_1", "Command3_3", "Command3_4", "Command1_1", "Command2_0",
                             "Command1_2", "Command1_4", "Command2_1", "Command1_0", "Command2_2", "Command3_1",
                             "Command2_3", "Command3_4"}) {
        QWidget* button = control(w, move);
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);
        settle(w);
    }
    QWidget* speaker = QApplication::focusWidget();
    ASSERT_NE(speaker, nullptr);
    const QString scores = QStringLiteral("Синие: %1, Красные: %2.").arg(w.game().state().blueScore).arg(w.game().state().redScore);
    ASSERT_NE(scores, "Синие: 0, Красные: 0.") << "the game scored nothing yet";
    EXPECT_TRUE(speaker->accessibleDescription().contains(scores)) << speaker->accessibleDescription().toStdString();
    // Taken back: the scores of the board before the last move, not the ones of after.
    w.findChild<QAction*>("Undo")->trigger();
    const QString before = QStringLiteral("Синие: %1, Красные: %2.").arg(w.game().state().blueScore).arg(w.game().state().redScore);
    speaker = QApplication::focusWidget();
    EXPECT_TRUE(speaker->accessibleDescription().contains(before)) << speaker->accessibleDescription().toStdString();
    w.findChild<QAction*>("Nova")->trigger();
    speaker = QApplication::focusWidget();
    ASSERT_NE(speaker, nullptr);
    EXPECT_TRUE(speaker->accessibleDescription().contains("Синие: 0, Красные: 0."))
        << speaker->accessibleDescription().toStdString();
}

// What the player did not do with their own hands reaches the screen reader on its own: the
// focused control's description changes to say it first.
TEST_F(AccessibilityTest, TheFocusedControlSaysWhatAMoveScoredAndWhatTheHintAndUndoDid) {
    Form1 w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto press = [&](const char* name) {
        QWidget* button = control(w, name);
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);
        settle(w);
    };
    for (const char* move : {"Command1_3", "Command3_1", "Command3_3", "Command3_4", "Command1_1", "Command2_0",
                             "Command1_2", "Command1_4", "Command2_1", "Command1_0", "Command2_2", "Command3_1",
                             "Command2_3"})
        press(move);
    const int blueBefore = w.game().state().blueScore, redBefore = w.game().state().redScore;
    press("Command3_4");  // blue's shift that brings two chips out
    auto said = [] { return QApplication::focusWidget()->accessibleDescription().toStdString(); };
    const int blueGain = w.game().state().blueScore - blueBefore, redGain = w.game().state().redScore - redBefore;
    ASSERT_GT(blueGain + redGain, 0);
    const std::string scored = blueGain > 0 ? "Синие +" + std::to_string(blueGain) + "." : "Красные +" + std::to_string(redGain) + ".";
    EXPECT_EQ(said().rfind(scored, 0), 0u) << said();
    control<QAction>(w, "Hint")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return said().rfind("Подсказка: ", 0) == 0; }, 5000)) << said();
    EXPECT_NE(said().find("Ходят красные фишки."), std::string::npos) << "the turn and scores are gone: " << said();
    control<QAction>(w, "Undo")->trigger();
    EXPECT_EQ(said().rfind("Ход взят назад: сдвиг рейки 5 вправо.", 0), 0u) << said();
    EXPECT_NE(said().find("Ходят синие фишки."), std::string::npos) << said();
    control<QAction>(w, "Redo")->trigger();
    EXPECT_EQ(said().rfind("Ход повторён: сдвиг рейки 5 вправо.", 0), 0u) << said();
}

TEST_F(AccessibilityTest, AChipIsRenamedOncePerCellNotOncePerTick) {
    struct QuietHost : Host {
        void playSound(Sound) override {}
        bool askEndOfGame(const std::string&) override { return false; }
    } host;
    Game game(host);
    game.formLoad("", "");
    QWidget board;
    std::array<QWidget*, kChipsPerColour> blue{}, red{};
    ChipNames names;
    for (int i = 0; i < kChipsPerColour; ++i) {
        names.watch(kBlue, i, blue[i] = new QWidget(&board));
        names.watch(kRed, i, red[i] = new QWidget(&board));
    }
    names.follow(game.state());
    EXPECT_EQ(names.namesMade(), 16);
    game.command1Click(3);
    names.follow(game.state());
    EXPECT_EQ(names.namesMade(), 17);
    game.command3Click(1);
    int ticks = 0;
    while (game.state().animating() && ticks < 100) {
        game.timer1Tick();
        game.timer2Tick();
        game.timer3Tick();
        names.follow(game.state());
        ++ticks;
    }
    EXPECT_GE(ticks, 29) << "a slide and two falls";
    EXPECT_EQ(names.namesMade(), 19) << "one new name per level the chip reached";
    EXPECT_EQ(blue[0]->accessibleName(), "Синяя фишка, столбец 7, рейка 3");
}

}  // namespace
}  // namespace reikoboy::testing
