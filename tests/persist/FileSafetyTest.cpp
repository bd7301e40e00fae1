// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Files the player's disk may hold instead of a saved game: a full disk while saving, a device,
// a FIFO, a folder, a file far too large. Saving keeps the old file whole; opening refuses
// them at once, without blocking, throwing or touching the game.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "GameTestSupport.h"
#include "persist/RegularFile.h"
#include "persist/SavedGame.h"
#include "persist/WholeFile.h"

namespace reikoboy::testing {
namespace {

QByteArray contentsOf(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A tmpfs of a few pages mounted for the test: a real file system that really fills up.
class SmallDisk {
public:
    explicit SmallDisk(const QString& where) : where_(where) {
        if (geteuid() != 0) {
            why_ = "mounting a small tmpfs needs root (CI runs as root)";
            return;
        }
        if (::mount("tmpfs", where.toLocal8Bit().constData(), "tmpfs", 0, "size=16k") != 0) {
            why_ = std::string("cannot mount a tmpfs here: ") + std::strerror(errno);
            return;
        }
        mounted_ = true;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(where_.toLocal8Bit().constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    const std::string& whyNot() const { return why_; }

private:
    QString where_;
    bool mounted_ = false;
    std::string why_;
};

TEST(SavingAFile, AFullDiskKeepsTheOldSaveAndSaysSo) {
    QTemporaryDir dir;
    SmallDisk disk(dir.path());
    if (!disk.mounted()) GTEST_SKIP() << disk.whyNot();
    PlayedGame played;
    played.play("Nova; Command1 3; Command3 1");
    const QByteArray old = QByteArray::fromStdString(writeSavedGame(played.state()));
    const QString save = dir.filePath("old.sav");
    ASSERT_EQ(writeWholeFile(save, old), WriteResult::Written);
    // Fill every page that is left.
    QFile filler(dir.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(512, 'x')) == 512) {
    }
    filler.close();

    played.play("Command4 1");
    QByteArray newer = QByteArray::fromStdString(writeSavedGame(played.state()));
    ASSERT_NE(newer, old);
    EXPECT_EQ(writeWholeFile(save, newer), WriteResult::Failed) << "a save that did not reach the disk is no success";
    EXPECT_EQ(contentsOf(save), old) << "the old save is whole";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList({"filler", "old.sav"}))
        << "nothing left behind";

    QFile::remove(dir.filePath("filler"));
    EXPECT_EQ(writeWholeFile(save, newer), WriteResult::Written) << "with room again, the save goes through";
    EXPECT_EQ(contentsOf(save), newer);
}

TEST(SavingAFile, OnlyARegularFileIsReplaced) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe.sav");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(writeWholeFile(fifo, "bytes"), WriteResult::Failed);
    struct stat about {};
    ASSERT_EQ(::stat(fifo.toLocal8Bit().constData(), &about), 0);
    EXPECT_TRUE(S_ISFIFO(about.st_mode)) << "the FIFO is still there, not replaced";

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.sav"));
    EXPECT_EQ(writeWholeFile(dir.filePath("folder.sav"), "bytes"), WriteResult::Failed);
    EXPECT_EQ(writeWholeFile("/dev/null", "bytes"), WriteResult::Failed);
    EXPECT_EQ(writeWholeFile(dir.filePath("no such folder/a.sav"), "bytes"), WriteResult::Failed);

    const QString regular = dir.filePath("game.sav");
    ASSERT_TRUE(writeFile(regular, "old"));
    EXPECT_EQ(writeWholeFile(regular, "new"), WriteResult::Written);
    EXPECT_EQ(contentsOf(regular), "new");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System),
              QStringList({"game.sav", "pipe.sav"}));
}

TEST(SavingAFile, ANameOfTheLongestLengthIsSavedOverAndKeepsItsPermissions) {
    QTemporaryDir dir;
    const QString longest = QString(125, QChar(0x0416)) + "x.sav";  // 125 × 2 + 5 bytes
    ASSERT_EQ(QFile::encodeName(longest).size(), 255);
    const QString save = dir.filePath(longest);
    ASSERT_TRUE(writeFile(save, "old"));
    ASSERT_TRUE(QFile::setPermissions(save, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    EXPECT_EQ(writeWholeFile(save, "new"), WriteResult::Written);
    EXPECT_EQ(contentsOf(save), "new");
    EXPECT_EQ(QFile::permissions(save), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                            QFile::WriteUser | QFile::ReadGroup);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({longest}))
        << "nothing left behind";
}

TEST(OpeningAFile, AnythingButARegularFileOfSaneSizeIsRefusedAtOnce) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe.sav");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QString huge = dir.filePath("huge.sav");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(kLargestSavedGame) + 1));  // sparse: costs no disk
    }
    PlayedGame source;
    source.play("Command1 3; Command3 1");
    const QString valid = dir.filePath("valid.sav");
    ASSERT_TRUE(writeFile(valid, QByteArray::fromStdString(writeSavedGame(source.state()))));

    struct Case {
        std::string name;
        FileBytes::Status status;
        ReadResult opened;
    };
    const std::vector<Case> cases = {
        {"/dev/zero", FileBytes::NotRegular, ReadResult::NotAFile},
        {"/dev/urandom", FileBytes::NotRegular, ReadResult::NotAFile},
        {fifo.toStdString(), FileBytes::NotRegular, ReadResult::NotAFile},
        {dir.path().toStdString(), FileBytes::CannotOpen, ReadResult::CannotOpen},
        {dir.filePath("missing.sav").toStdString(), FileBytes::CannotOpen, ReadResult::CannotOpen},
        {huge.toStdString(), FileBytes::TooLarge, ReadResult::NotAFile},
        {valid.toStdString(), FileBytes::Read, ReadResult::Ok},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readRegularFile(c.name, kLargestSavedGame).status, c.status) << c.name;
        PlayedGame g;
        g.play("Command1 5; Command2 2");
        const std::string before = writeSavedGame(g.state());
        EXPECT_EQ(openSavedGameFile(g.game, c.name), c.opened) << c.name;
        if (c.opened != ReadResult::Ok) {
            EXPECT_EQ(writeSavedGame(g.state()), before) << c.name << ": the game is untouched";
        } else {
            EXPECT_EQ(writeSavedGame(g.state()), writeSavedGame(source.state()));
        }
    }
    EXPECT_EQ(readRegularFile(valid.toStdString(), 100).status, FileBytes::TooLarge)
        << "each kind of file has its own limit";
}

}  // namespace
}  // namespace reikoboy::testing
