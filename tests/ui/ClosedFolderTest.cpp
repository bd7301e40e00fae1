// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Saving over a file the player may write, in a folder the player may not: the old file stays
// whole and the message says why.
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "DialogAnswers.h"
#include "UiTestSupport.h"

namespace reikoboy::testing {
namespace {

constexpr uid_t kNobody = 65534;

// Root writes into any folder; for a while the test runs as an ordinary user instead.
class AsOrdinaryUser {
public:
    AsOrdinaryUser() {
        if (::geteuid() == 0) switched_ = ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
    }
    ~AsOrdinaryUser() {
        if (switched_ && ::seteuid(0) == 0) (void)::setegid(0);
    }

private:
    bool switched_ = false;
};

void giveToPlayer(const QString& name, QFile::Permissions permissions) {
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(name).constData(), kNobody, kNobody), 0);
    }
    ASSERT_TRUE(QFile::setPermissions(name, permissions));
}

TEST(ClosedFolderTest, SavingOverAWritableFileInAClosedFolderKeepsItAndSaysWhy) {
    QTemporaryDir base;
    const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                     QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(base.path(), all));
    const QString folder = base.filePath("closed");
    const QString target = folder + "/game.sav";
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old game\r\n") == 10);
    old.close();
    giveToPlayer(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    giveToPlayer(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);

    storeSettings({}, {});
    Form1 w;
    DialogAnswers answers;
    answers.then(chooseFile(target));
    answers.then(press(QMessageBox::Yes));  // replace the existing file
    answers.then(press(QMessageBox::Ok));
    {
        AsOrdinaryUser player;
        w.findChild<QAction*>("Sa")->trigger();
    }
    EXPECT_TRUE(answers.allUsed());
    EXPECT_EQ(answers.seen.value(2), "Рейкобой: Не удалось записать файл «" + target +
                                         "»: папка закрыта для записи. Игра не сохранена.");
    QFile kept(target);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old game\r\n");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList({"game.sav"}));
}

}  // namespace
}  // namespace reikoboy::testing
