// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The window in the language chosen: Параметры → «Язык», the texts that follow it, and the
// game's own Russian texts shown in it.
#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "persist/Settings.h"
#include "ui/board/BoardAnnouncer.h"
#include "ui/board/BoardNames.h"
#include "ui/board/BoardSurface.h"
#include "ui/board/PictureButton.h"
#include "ui/start/Language.h"
#include "ui/window/Form1.h"

namespace reikoboy {

namespace {

// Where an action keeps its untranslated text.
constexpr const char* kSourceText = "sourceText";

// The texts the rules write, shown in the window's language: the rules stay Russian for the
// saved games and the replay tool.
const char* const kGameTexts[] = {
    QT_TRANSLATE_NOOP("reikoboy::Form1", "Ходят синии фишки"),
    QT_TRANSLATE_NOOP("reikoboy::Form1", "Ходят синие фишки"),
    QT_TRANSLATE_NOOP("reikoboy::Form1", "Ходят красные фишки"),
    QT_TRANSLATE_NOOP("reikoboy::Form1", "Поздравляю! "),
    QT_TRANSLATE_NOOP("reikoboy::Form1", "Выиграли синие фишки!"),
    QT_TRANSLATE_NOOP("reikoboy::Form1", "Выиграли красные фишки!"),
    QT_TRANSLATE_NOOP("reikoboy::Form1", "Ничья!"),
    QT_TRANSLATE_NOOP("reikoboy::Form1", "Хотите сыграть ещё?"),
};

// kWindowTitle, as the translation tools find it.
const char* const kTitleText = QT_TRANSLATE_NOOP("reikoboy::Form1", "Рейкобой");

struct LanguageChoice {
    const char* name;
    const char* stored;
    const char* caption;
};
// The languages offer themselves by their own names, whatever the window speaks.
const LanguageChoice kLanguages[] = {{"LanguageDesktop", "", QT_TRANSLATE_NOOP("reikoboy::Form1", "Как в &системе")},
                                     {"LanguageRussian", "ru", nullptr},
                                     {"LanguageEnglish", "en", nullptr}};

}  // namespace

QString gameTitle() { return QCoreApplication::translate("reikoboy::Form1", kTitleText); }

QMenu* Form1::translatedMenu(QWidget* parent, const char* source) {
    QMenu* menu = nullptr;
    if (auto* bar = qobject_cast<QMenuBar*>(parent))
        menu = bar->addMenu(tr(source));
    else
        menu = static_cast<QMenu*>(parent)->addMenu(tr(source));
    menu->menuAction()->setProperty(kSourceText, QByteArray(source));
    return menu;
}

QAction* Form1::translatedAction(QMenu* menu, const char* source) {
    QAction* action = menu->addAction(tr(source));
    action->setProperty(kSourceText, QByteArray(source));
    return action;
}

void Form1::buildLanguageMenu(QMenu* options) {
    QMenu* menu = translatedMenu(options, QT_TR_NOOP("&Язык"));
    menu->setObjectName(QStringLiteral("Language"));
    auto* group = new QActionGroup(menu);
    const QString stored = readLanguage();
    for (const LanguageChoice& choice : kLanguages) {
        QAction* action = choice.caption ? translatedAction(menu, choice.caption)
                                         : menu->addAction(QString::fromUtf8(choice.stored[0] == 'r' ? "&Русский" : "&English"));
        action->setObjectName(QLatin1String(choice.name));
        action->setCheckable(true);
        action->setChecked(stored == QLatin1String(choice.stored));
        group->addAction(action);
        const QString language = QLatin1String(choice.stored);
        connect(action, &QAction::triggered, this, [language] {
            writeLanguage(language);
            applyLanguage(languageFor(language));  // every window hears of it
        });
    }
}

void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && surface_) retranslate();
    QMainWindow::changeEvent(event);
}

void Form1::retranslate() {
    setWindowTitle(gameTitle());
    for (QAction* action : findChildren<QAction*>()) {
        QByteArray source = action->property(kSourceText).toByteArray();
        if (!source.isEmpty()) action->setText(tr(source.constData()));
    }
    for (QWidget* widget : surface_->findChildren<QWidget*>()) {
        QByteArray source = widget->property(kSourceDescription).toByteArray();
        if (!source.isEmpty()) widget->setAccessibleDescription(tr(source.constData()));
    }
    Command5->setText(tr(kPassCaption));
    Command5->setAccessibleName(Command5->text().remove(QLatin1Char('&')));
    for (int k = 0; k < kDropButtons; ++k) Command1[k]->setAccessibleName(dropButtonName(k));
    for (int r = 0; r < kRails; ++r) {
        Command2[r]->setAccessibleName(railButtonName(r, true));
        Command3[r]->setAccessibleName(railButtonName(r, false));
    }
    for (int i = 0; i < kDrumButtons; ++i) Command4[i]->setAccessibleName(drumButtonName(i));
    chipNames_.renameAll(game_.state());
    announcer_->renameAll(game_.state());
    // What the status bar said belongs to the other language; the turn label is said anew.
    setHint(QString());
    Label1->clear();
    sync();
}

QString Form1::shownGameText(const std::string& text) const {
    QString shown = QString::fromStdString(text);
    for (const char* piece : kGameTexts) {
        const QString russian = QString::fromUtf8(piece);
        if (shown.contains(russian)) shown.replace(russian, tr(piece));
    }
    return shown;
}

}  // namespace reikoboy
