// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The window's menus and their commands: new game, sound, background, saving and opening,
// help, About, and the closing dialogue.
#include <QCloseEvent>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>

#include "persist/DataFiles.h"
#include "persist/SavedGame.h"
#include "persist/Settings.h"
#include "persist/WholeFile.h"
#include "ui/board/BoardSurface.h"
#include "ui/pictures/PictureFile.h"
#include "ui/seats/ComputerTurn.h"
#include "ui/window/Form1.h"
#include "ui/windows/Form2.h"
#include "ui/windows/Form3.h"

namespace reikoboy {

void Form1::buildMenus() {
    auto addItem = [this](QMenu* menu, const char* name, const char* caption, QKeySequence key,
                          void (Form1::*handler)()) {
        QAction* action = translatedAction(menu, caption);
        action->setObjectName(QLatin1String(name));
        if (!key.isEmpty()) action->setShortcut(key);
        if (handler) connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* file = translatedMenu(menuBar(), QT_TR_NOOP("&Файл"));
    file->setObjectName(QStringLiteral("File"));
    addItem(file, "Nova", QT_TR_NOOP("&Новая игра"), QKeySequence(Qt::Key_F2), &Form1::Nova);
    file->addSeparator()->setObjectName(QStringLiteral("s5"));
    addItem(file, "Op", QT_TR_NOOP("&Открыть..."), QKeySequence(Qt::Key_F3), &Form1::Op);
    addItem(file, "Sa", QT_TR_NOOP("&Сохранить..."), QKeySequence(Qt::Key_F4), &Form1::Sa);
    file->addSeparator()->setObjectName(QStringLiteral("s2"));
    addItem(file, "Exit", QT_TR_NOOP("&Выход"), {}, &Form1::Exit);

    buildMoveMenu();
    buildResultCommands();
    buildNetworkMenu();

    QMenu* options = translatedMenu(menuBar(), QT_TR_NOOP("&Параметры"));
    options->setObjectName(QStringLiteral("Para"));
    SonAction = addItem(options, "Son", QT_TR_NOOP("&Звук"), {}, &Form1::Son);
    SonAction->setCheckable(true);
    options->addSeparator()->setObjectName(QStringLiteral("s3"));
    addItem(options, "FonV", QT_TR_NOOP("&Выбрать фон..."), {}, &Form1::FonV);
    buildOpponentMenus(options);
    buildScaleMenu(options);
    buildLanguageMenu(options);

    QMenu* help = translatedMenu(menuBar(), QT_TR_NOOP("&Справка"));
    help->setObjectName(QStringLiteral("Help"));
    addItem(help, "Vhelp", QT_TR_NOOP("&Вызов справки"), QKeySequence(Qt::Key_F1), &Form1::Vhelp);
    help->addSeparator()->setObjectName(QStringLiteral("s"));
    addItem(help, "Oprog", QT_TR_NOOP("&О программе..."), {}, &Form1::Oprog);
}

namespace {


// "description|patterns|description|patterns..." as the file dialog's filters.
QStringList nameFilters(const QString& filter) {
    QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')');
    return filters;
}

// Qt's file dialog keeps the folders it visited in a settings file of its own beside the
// game's; pointed where no file can be, it remembers them for the run only. The game's own
// settings are in the INI format, whose place this leaves alone.
void keepDialogsOffTheDisk() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

}  // namespace

// ---------------------------------------------------------------- menu commands

void Form1::Nova() {
    if (networkNova()) return;  // over the network, a new game needs both players
    stopComputer();
    game_.newGame();
    startedAfresh();
    sync();
}

void Form1::Son() {
    game_.sonClick();
    sync();
}

void Form1::FonV() {
    keepDialogsOffTheDisk();
    QFileDialog CommonDialog2(this);
    CommonDialog2.setObjectName(QStringLiteral("CommonDialog2"));
    CommonDialog2.setFileMode(QFileDialog::ExistingFile);
    CommonDialog2.setAcceptMode(QFileDialog::AcceptOpen);
    QStringList filters = nameFilters(tr(kPictureFilter));
    CommonDialog2.setNameFilters(filters);
    CommonDialog2.selectNameFilter(filters.first());
    if (!CommonDialog2FileName.isEmpty()) {
        CommonDialog2.selectFile(CommonDialog2FileName);
    } else {
        // The first filter shows the pictures that come with the game: start where they lie.
        QString supplied = dataFolderPath(QStringLiteral("pictures/backgrounds"));
        if (!supplied.isEmpty()) CommonDialog2.setDirectory(supplied);
    }
    if (CommonDialog2.exec() != QDialog::Accepted || CommonDialog2.selectedFiles().isEmpty()) return;
    QString chosen = CommonDialog2.selectedFiles().first();
    if (chosen.isEmpty()) return;
    CommonDialog2FileName = chosen;
    QImage picture = readPictureFile(chosen, surface_->size());
    if (picture.isNull()) {
        QMessageBox::warning(this, gameTitle(),
                             tr("Не удалось открыть картинку «%1».").arg(chosen));
        return;
    }
    surface_->setBackground(picture);
    game_.setBackground(chosen.toStdString());
}

void Form1::Exit() { close(); }

// ---------------------------------------------------------------- saved games

void Form1::Op() {
    stopComputer();
    ComputerTurn::Hold hold(*computer_);  // whatever the dialog brings, the computer waits for it
    keepDialogsOffTheDisk();
    QFileDialog CommonDialog1(this);
    CommonDialog1.setObjectName(QStringLiteral("CommonDialog1"));
    CommonDialog1.setNameFilter(tr("Сохраненная игра (*.sav)"));
    CommonDialog1.setFileMode(QFileDialog::ExistingFile);
    CommonDialog1.setAcceptMode(QFileDialog::AcceptOpen);
    CommonDialog1FileName.clear();
    if (CommonDialog1.exec() != QDialog::Accepted || CommonDialog1.selectedFiles().isEmpty()) return;
    CommonDialog1FileName = CommonDialog1.selectedFiles().first();
    if (CommonDialog1FileName.isEmpty()) return;
    ReadResult read = openSavedGameFile(game_, QFile::encodeName(CommonDialog1FileName).toStdString());
    if (read == ReadResult::CannotOpen) return;  // a file that cannot be opened at all changes nothing
    if (read != ReadResult::Ok) {
        QMessageBox::critical(this, QString::fromUtf8(kNotASavedGameTitle),
                              QString::fromUtf8(kNotASavedGame));
    } else {
        startedAfresh();  // a refused file leaves the game, and its moves, as they were
        networkOpened();
    }
    sync();
}

void Form1::Sa() {
    ComputerTurn::Hold hold(*computer_);  // the file holds the board the player chose to save
    sa2();
}

bool Form1::sa2() {
    // Never a board in motion: whatever moves now arrives first.
    game_.finishAnimation();
    sync();
    keepDialogsOffTheDisk();
    QFileDialog CommonDialog1(this);
    CommonDialog1.setObjectName(QStringLiteral("CommonDialog1"));
    CommonDialog1.setNameFilter(tr("Сохраненная игра (*.sav)"));
    CommonDialog1.setAcceptMode(QFileDialog::AcceptSave);
    CommonDialog1.setFileMode(QFileDialog::AnyFile);
    if (!CommonDialog1FileName.isEmpty()) CommonDialog1.selectFile(CommonDialog1FileName);
    if (CommonDialog1.exec() != QDialog::Accepted || CommonDialog1.selectedFiles().isEmpty()) return true;
    QString name = CommonDialog1.selectedFiles().first();
    if (name.isEmpty()) return true;
    CommonDialog1FileName = name;
    WriteResult saved = writeWholeFile(name, QByteArray::fromStdString(writeSavedGame(game_.state())));
    if (saved == WriteResult::FolderClosed) {
        QMessageBox::warning(this, gameTitle(),
                             tr("Не удалось записать файл «%1»: папка закрыта для записи. "
                                            "Игра не сохранена.").arg(name));
    } else if (saved != WriteResult::Written) {
        QMessageBox::warning(this, gameTitle(),
                             tr("Не удалось записать файл «%1». Игра не сохранена.").arg(name));
    }
    return saved == WriteResult::Written;
}

// ---------------------------------------------------------------- help and about

void Form1::Vhelp() {
    Form2 help(this);
    help.exec();
}

void Form1::Oprog() {
    Form3 about(this);
    about.exec();
}

// ---------------------------------------------------------------- closing

bool Form1::mayClose(bool mayAsk) {
    bool stay = false;
    if (gameInProgress() && mayAsk && !agreedToEnd_) {
        QMessageBox question(QMessageBox::Question, gameTitle(), tr("Хотите сохранить начатую игру?"),
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
        question.setObjectName(QStringLiteral("CloseQuestion"));
        question.setDefaultButton(QMessageBox::Yes);
        int answer = question.exec();
        if (answer == QMessageBox::Yes)
            stay = !sa2();  // a save that failed keeps the game on the screen
        else if (answer != QMessageBox::No)
            stay = true;
    }
    settleInterruptedGame(mayAsk, stay);
    writeSettings(SonAction->text(), QString::fromStdString(game_.soundSetting()),
                  QString::fromStdString(game_.state().bgFile));
    writeComputerSettings(toStore(opponent_), toStore(computer_->level()));
    return !stay;
}

void Form1::closeEvent(QCloseEvent* event) {
    stopComputer();
    computer_->hold();  // and stays held once the window is gone
    if (mayClose(true)) {
        leaveNetworkOnClose();
        event->accept();
    } else {
        event->ignore();
        computer_->resume();
    }
}

bool Form1::endOfSession(bool mayAsk) {
    // The desktop asks before it logs out; once the players agreed, the close that follows
    // must not ask them a second time.
    ComputerTurn::Hold hold(*computer_);
    agreedToEnd_ = mayClose(mayAsk);
    return agreedToEnd_;
}

}  // namespace reikoboy
