// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What the status bar says after the computer's turn: every button it pressed, in a sentence
// with verbs, even when a dialog paused it in the middle of its turn; and the record of the
// game lists the same turns.
#include <QAction>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QListWidget>
#include <random>

#include "DialogAnswers.h"
#include "UiTestSupport.h"
#include "ai/TurnText.h"
#include "ui/seats/ComputerTurn.h"
#include "ui/windows/GameRecordWindow.h"

namespace reikoboy::testing {
namespace {

QAbstractButton* pressedButton(const Form1& w) {
    for (auto* b : w.findChildren<QAbstractButton*>(QRegularExpression("^Command[1-5]")))
        if (b->isDown()) return b;
    return nullptr;
}

ai::Click clickOf(const QString& objectName) {
    const QStringList parts = objectName.mid(7).split('_');  // "Command2_3"
    return {static_cast<Button>(parts[0].toInt() - 1), parts.value(1).toInt()};
}

TEST(ComputerSentenceTest, TheWholeTurnIsToldWithVerbsEvenAfterAPauseAndTheRecordAgrees) {
    storeSettings({}, {});
    {
        REIKOBOY_STORE(s);
        s.setValue("Settings/Соперник", "1");  // the computer plays red
        s.setValue("Settings/Сила", "0");
    }
    Form1 w;
    w.computerTurn().setShowMilliseconds(60);
    w.show();
    control<QAction>(w, "Record")->trigger();
    QListWidget* record = w.findChild<GameRecordWindow*>("GameRecord")->list();
    std::mt19937 choose(5);
    ai::Turn seen;  // the computer's presses in its turn, as the player saw them
    QString lastShown;
    int sentences = 0, paused = 0;
    for (int moves = 0; moves < 400 && sentences < 15; ++moves) {
        QElapsedTimer clock;
        clock.start();
        // The computer's turn, watched press by press, until the player's buttons are back.
        while (clock.elapsed() < 20000) {
            if (QAbstractButton* b = pressedButton(w); b && b->objectName() != lastShown) {
                lastShown = b->objectName();
                seen.push_back(clickOf(lastShown));
                // After its first drop, once in a while, the player saves: the turn pauses.
                if (seen.size() == 2 && seen.front().button == Button::Command1 && paused < 3) {
                    ++paused;
                    DialogAnswers answers;
                    answers.then(cancel());
                    control<QAction>(w, "Sa")->trigger();
                    lastShown.clear();
                    seen.pop_back();  // shown, but not pressed before the pause
                }
            }
            if (!w.computerTurn().busy() && !w.game().state().animating() && int(w.game().state().turnColour) == kBlue)
                break;
            QTest::qWait(2);
        }
        ASSERT_FALSE(w.computerTurn().busy()) << "the computer's turn never ended";
        if (!seen.empty()) {
            ++sentences;
            EXPECT_EQ(w.hint().toStdString(), "Компьютер " + ai::describeTurnDone(seen));
            // The record's newest line is the same turn.
            const QString newest = record->item(record->count() - 1)->text();
            EXPECT_TRUE(newest.contains(QStringLiteral("Красные: ") + QString::fromStdString(ai::describeTurn(seen))))
                << newest.toStdString();
            seen.clear();
            lastShown.clear();
        }
        if (w.game().state().chipsOut == 16) break;
        QList<QAbstractButton*> offered;
        for (auto* b : w.findChildren<QAbstractButton*>(QRegularExpression("^Command[1-5]")))
            if (b->isVisible() && b->isEnabled()) offered << b;
        ASSERT_FALSE(offered.isEmpty());
        offered[std::uniform_int_distribution<int>(0, offered.size() - 1)(choose)]->click();
        settle(w);
    }
    EXPECT_GE(sentences, 10);
    EXPECT_GT(paused, 0) << "no turn of the computer was paused in its middle";
}

}  // namespace
}  // namespace reikoboy::testing
