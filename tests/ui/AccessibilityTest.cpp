// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What a screen reader is told about the board: a short name for every button, the hint as its
// description, chips named by colour and cell, and the turn label's changes.
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <set>

#include "ui/BoardNames.h"

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
