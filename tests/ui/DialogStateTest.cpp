// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The file dialogs leave nothing on the disk: no file of Qt's own beside the game's settings.
#include <QAction>
#include <QDir>
#include <QFile>

#include "DialogAnswers.h"
#include "UiTestSupport.h"

namespace reikoboy::testing {
namespace {

TEST(DialogStateTest, TheFileDialogsKeepNothingOnTheDisk) {
    const QDir config(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")));
    ASSERT_TRUE(config.exists());
    QFile::remove(config.filePath("QtProject.conf"));
    storeSettings({}, {});
    Form1 w;
    DialogAnswers answers;
    for (const char* command : {"FonV", "Op", "Sa"}) {
        answers.then(cancel());
        w.findChild<QAction*>(command)->trigger();
    }
    EXPECT_TRUE(answers.allUsed());
    EXPECT_EQ(answers.seen, QStringList({"CommonDialog2", "CommonDialog1", "CommonDialog1"}));
    EXPECT_FALSE(config.exists("QtProject.conf"));
}

}  // namespace
}  // namespace reikoboy::testing
