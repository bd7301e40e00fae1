// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The offer of an interrupted game at the start, in the window: what is kept, what is
// offered, and what an answer removes.
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>

#include "DialogAnswers.h"
#include "GameRun.h"
#include "UiTestSupport.h"
#include "WholeGame.h"
#include "persist/RecoveryFile.h"

namespace reikoboy::testing {
namespace {

constexpr uid_t kNobody = 65534;

QByteArray savedBytes(const Form1& w) { return QByteArray::fromStdString(writeSavedGame(w.game().state())); }

// Every waiting game and note of earlier tests goes first: each test starts with none.
void noGamesWaiting() {
    QDir folder(recoveryFolder());
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) folder.remove(name);
}

// A game two moves old, or one chip dropped in a turn still going on, ended by a logout that
// may not ask.
QByteArray interrupt(bool passOnOffer = false) {
    Form1 w;
    w.show();
    click(w, "Command1_3");
    if (!passOnOffer) {
        click(w, "Command3_1");
        settle(w);
    }
    EXPECT_TRUE(w.endOfSession(false));
    return savedBytes(w);
}

void playMoves(Form1& w, const QString& moves) {
    for (const QString& move : moves.split(QStringLiteral("; "))) {
        click(w, QString(move).replace(' ', '_'));
        settle(w);
    }
}

TEST(RecoveryOfferTest, EitherAnswerTakesTheFileAndAnUnreadableOneGoesUnasked) {
    storeSettings({}, {});
    noGamesWaiting();
    interrupt();
    Form1 w;
    w.show();
    DialogAnswers answers;  // fails the test at any question not expected
    answers.then(press(QMessageBox::No));
    w.offerInterruptedGame();
    EXPECT_EQ(answers.seen, QStringList{"Рейкобой: Продолжить прерванную игру?"});
    EXPECT_EQ(w.game().state().blueDropped, 0);
    EXPECT_TRUE(waitingInterruptedGames().isEmpty());

    QByteArray kept = interrupt();
    answers.then(press(QMessageBox::Yes));
    w.offerInterruptedGame();
    EXPECT_EQ(savedBytes(w), kept);
    EXPECT_TRUE(waitingInterruptedGames().isEmpty());

    // A file of earlier versions, which is no game: removed without a word.
    QFile junk(recoveryFolder() + "/interrupted.sav");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly) && junk.write("1,2,3\r\nno game\r\n") > 0);
    junk.close();
    w.offerInterruptedGame();
    EXPECT_EQ(answers.seen.size(), 2);
    EXPECT_FALSE(junk.exists());
}

TEST(RecoveryOfferTest, AContinuedGameOffersThePassAgainAndIsAskedAboutAtClosing) {
    storeSettings({}, {});
    noGamesWaiting();
    const QByteArray kept = interrupt(/*passOnOffer=*/true);
    Form1 w;
    w.show();
    DialogAnswers answers;
    answers.then(press(QMessageBox::Yes));
    w.offerInterruptedGame();
    EXPECT_EQ(savedBytes(w), kept);
    // «Всё, хватит!» is there as it was: the player may end the turn without moving a rail.
    auto* pass = control<QPushButton>(w, "Command5");
    ASSERT_TRUE(pass && pass->isVisible() && pass->isEnabled());
    EXPECT_FALSE(w.findChild<QAction*>("Undo")->isEnabled());
    click(w, "Command5");
    EXPECT_EQ(w.game().state().turnColour, kRed);
    // Undo goes back as far as the continued board, pass and all.
    w.findChild<QAction*>("Undo")->trigger();
    settle(w);
    EXPECT_EQ(savedBytes(w), kept);
    EXPECT_TRUE(pass->isVisible());

    // No move since continuing, and still a game: closing asks, Cancel keeps the window.
    answers.then(press(QMessageBox::Cancel));
    EXPECT_FALSE(w.close());
    EXPECT_EQ(answers.seen.value(1), "Рейкобой: Хотите сохранить начатую игру?");
    // A new game is no longer the continued one: closing asks nothing.
    w.findChild<QAction*>("Nova")->trigger();
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(answers.allUsed());
}

TEST(RecoveryOfferTest, AFinishedGameIsNotKept) {
    storeSettings({}, {});
    noGamesWaiting();
    Form1 w;
    w.show();
    DialogAnswers answers;
    bool keptWhileAsking = true;
    // The session ends while the end-of-game question is open, and again after «Нет».
    answers.then([&](QWidget* question) {
        w.endOfSession(false);
        keptWhileAsking = !waitingInterruptedGames().isEmpty();
        press(QMessageBox::No)(question);
    });
    playMoves(w, kWholeGame);
    ASSERT_TRUE(answers.allUsed());
    EXPECT_EQ(w.game().state().chipsOut, 2 * kChipsPerColour);
    EXPECT_FALSE(keptWhileAsking);
    w.endOfSession(false);
    EXPECT_TRUE(waitingInterruptedGames().isEmpty());
}

TEST(RecoveryOfferTest, ALinkAtTheGamesNameIsReplacedNeverWrittenThrough) {
    storeSettings({}, {});
    noGamesWaiting();
    QTemporaryDir elsewhere;
    const QString script = elsewhere.filePath("script.sh");
    QFile target(script);
    ASSERT_TRUE(target.open(QIODevice::WriteOnly) && target.write("#!/bin/sh\necho mine\n") > 0);
    target.close();
    ASSERT_TRUE(QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner));
    ASSERT_TRUE(QDir().mkpath(recoveryFolder()));
    ASSERT_TRUE(QFile::link(script, recoveryFileName()));
    ASSERT_TRUE(QFile::link(script, recoveryFolder() + "/interrupted.sav"));
    ASSERT_TRUE(QFile::link(script, recoveryFileName() + ".pass"));

    const QByteArray kept = interrupt();
    EXPECT_EQ(contents(script), "#!/bin/sh\necho mine\n");
    EXPECT_FALSE(QFileInfo(recoveryFileName()).isSymLink());
    EXPECT_EQ(contents(recoveryFileName()), kept);
    // The link of the old name is no game of ours: not offered, not followed, target whole.
    Form1 w;
    DialogAnswers answers;
    answers.then(press(QMessageBox::No));
    w.offerInterruptedGame();
    EXPECT_EQ(answers.seen.size(), 1);
    EXPECT_EQ(contents(script), "#!/bin/sh\necho mine\n");
    EXPECT_TRUE(QFile::exists(script));
}

// A data folder the player may not write in: the answered game stays on the disk.
TEST(RecoveryOfferTest, AnUndeletableGameIsMentionedOnceAndANewerOneIsOfferedFirst) {
    storeSettings({}, {});
    noGamesWaiting();
    const QByteArray older = interrupt();
    const QString olderName = recoveryFolder() + "/interrupted.sav";
    ASSERT_TRUE(QFile::rename(recoveryFileName(), olderName));
    QFile f(olderName);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite) &&
                f.setFileTime(QDateTime::currentDateTime().addSecs(-600), QFileDevice::FileModificationTime));
    f.close();
    const QByteArray newer = interrupt(/*passOnOffer=*/true);

    const QByteArray folder = QFile::encodeName(recoveryFolder());
    const QByteArray config = QFile::encodeName(qEnvironmentVariable("XDG_CONFIG_HOME"));
    const QByteArray data = QFile::encodeName(qEnvironmentVariable("XDG_DATA_HOME"));
    const bool root = ::geteuid() == 0;
    // Root writes into any folder: for a while the player is somebody else, who owns the
    // settings but not the data folder.
    auto closeFolder = [&](bool closed) {
        if (root && !closed) {
            ASSERT_EQ(::seteuid(0), 0);
        }
        ASSERT_EQ(::chmod(folder.constData(), closed ? 0555 : 0755), 0);
        if (!root) return;
        const uid_t owner = closed ? kNobody : 0;
        for (const QByteArray& name : {config, config + "/Рейкобой", config + "/Рейкобой/Рейкобой.ini", data})
            ASSERT_EQ(::chown(name.constData(), owner, 0), 0);
        if (closed) {
            ASSERT_EQ(::seteuid(kNobody), 0);
        }
    };
    Form1 w;
    DialogAnswers answers;
    answers.then(press(QMessageBox::No));
    answers.then(press(QMessageBox::Ok));
    answers.then(press(QMessageBox::Yes));
    answers.then(press(QMessageBox::Ok));
    closeFolder(true);
    w.offerInterruptedGame();  // the newer game, which cannot be removed
    w.offerInterruptedGame();  // then the older one: the newer is not asked about again
    w.offerInterruptedGame();  // nothing more: both were answered
    closeFolder(false);
    ASSERT_EQ(answers.seen.size(), 4);
    EXPECT_EQ(answers.seen[0], "Рейкобой: Продолжить прерванную игру?");
    EXPECT_TRUE(answers.seen[1].startsWith("Рейкобой: Не удалось удалить прерванную игру"));
    EXPECT_EQ(answers.seen[2], "Рейкобой: Продолжить прерванную игру?");
    EXPECT_EQ(savedBytes(w), older);
    EXPECT_EQ(waitingInterruptedGames().size(), 2);

    // Once the folder opens again, the next offer tidies up without asking.
    EXPECT_EQ(contents(recoveryFileName()), newer);
    noGamesWaiting();
    w.offerInterruptedGame();
    EXPECT_EQ(answers.seen.size(), 4);
}

}  // namespace
}  // namespace reikoboy::testing
