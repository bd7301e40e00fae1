// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Playing with the keys: Space and both Enter keys press the focused board button, a held key
// makes one move, and after a move the focus stays with the player's own choices.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include "UiTestSupport.h"

namespace reikoboy::testing {
namespace {

class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        storeSettings({}, {});
        w_.show();
        w_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w_));
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
    QString focusedName() const { return focused() ? focused()->objectName() : QStringLiteral("<nothing>"); }
    void focus(const char* name) {
        QWidget* button = control(w_, name);
        ASSERT_TRUE(button && button->isVisible()) << name;
        button->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(focusedName(), name);
    }
    void strike(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ASSERT_NE(focused(), nullptr);
        QTest::keyClick(focused(), Qt::Key(key), modifiers);
    }
    // The first board button, in the window's keyboard order, that is offered now.
    QString firstOffered() const {
        for (auto [array, count] : {std::pair{"Command1_%1", 7}, {"Command2_%1", 6}, {"Command3_%1", 6}, {"Command4_%1", 4}})
            for (int i = 0; i < count; ++i) {
                QWidget* b = w_.findChild<QWidget*>(QString::fromLatin1(array).arg(i));
                if (b->isVisible() && b->isEnabled()) return b->objectName();
            }
        return QStringLiteral("Command5");
    }
    const GameState& state() const { return w_.game().state(); }

    Form1 w_;
};

TEST_F(KeyboardTest, EnterAndKeypadEnterPressTheFocusedButtonLikeSpace) {
    focus("Command1_3");
    strike(Qt::Key_Return);
    EXPECT_EQ(state().Image5[0].Top, 97) << "Enter dropped no chip";
    focus("Command1_1");
    strike(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(state().Image5[1].Left, 64 + 40 * 4) << "keypad Enter dropped no chip";
    focus("Command1_5");
    strike(Qt::Key_Space);
    EXPECT_EQ(int(state().blueDropped), 3);
    focus("Command5");
    strike(Qt::Key_Return);
    EXPECT_EQ(control<QLabel>(w_, "Label1")->text(), "Ходят красные фишки");
    focus("Command4_1");
    strike(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(int(state().drumPos), 1);
}

TEST_F(KeyboardTest, AHeldKeyMakesOneMove) {
    focus("Command1_3");
    QWidget* button = focused();
    QTest::keyPress(button, Qt::Key_Space);
    for (int i = 0; i < 5; ++i) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(focused() ? focused() : button, &release);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(focused() ? focused() : button, &press);
    }
    EXPECT_EQ(int(state().blueDropped), 0) << "the move waits for the key to come up";
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(int(state().blueDropped), 1);
}

TEST_F(KeyboardTest, AfterAMoveTheFocusGoesToTheFirstOfferedButtonNeverMidway) {
    focus("Command1_3");
    strike(Qt::Key_Space);  // the column is full now: its button is gone
    EXPECT_EQ(focusedName(), "Command1_1");
    EXPECT_EQ(focusedName(), firstOffered());
    focus("Command3_1");
    strike(Qt::Key_Space);  // a slide: the turn passes and the board moves
    ASSERT_TRUE(state().animating());
    EXPECT_EQ(focusedName(), "Label1") << "nothing to press while the board moves: the turn label holds the focus";
    QTest::keyClick(&w_, Qt::Key_Space);
    QTest::keyClick(&w_, Qt::Key_Return);
    settle(w_);
    EXPECT_EQ(int(state().redDropped), 0) << "a key struck during the slide made a move";
    EXPECT_EQ(focusedName(), firstOffered());
    EXPECT_NE(focusedName(), "Command3_1");
    // The drum: its buttons are barred for the next player, the focus leaves them.
    focus("Command4_2");
    strike(Qt::Key_Space);
    EXPECT_EQ(int(state().lastMoved), 6);
    EXPECT_EQ(focusedName(), firstOffered());
    EXPECT_FALSE(focusedName().startsWith("Command4"));
}

}  // namespace
}  // namespace reikoboy::testing
