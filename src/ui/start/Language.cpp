// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/start/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "persist/DataFiles.h"

namespace reikoboy {

namespace {

const QString kRussian = QStringLiteral("ru");
const QString kEnglish = QStringLiteral("en");

struct Speaking {
    QString language = kRussian;
    std::unique_ptr<QTranslator> game;  // none while the game speaks its own Russian
    std::unique_ptr<QTranslator> qt;    // Qt's own buttons and dialogs
};

Speaking& speaking() {
    static Speaking now;
    return now;
}

// The game's translation into `language`: built into the program, or one a translator put in
// the data folder's translations/.
bool loadGameTranslation(QTranslator& translator, const QString& language) {
    const QString name = QStringLiteral("reikoboy_") + language;
    if (translator.load(name, QStringLiteral(":/i18n"))) return true;
    QString folder = dataFolderPath(QStringLiteral("translations"));
    return !folder.isEmpty() && translator.load(name, folder);
}

bool hasTranslation(const QString& language) {
    if (language == kRussian) return true;
    QTranslator probe;
    return loadGameTranslation(probe, language);
}

void remove(std::unique_ptr<QTranslator>& translator) {
    if (!translator) return;
    QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

}  // namespace

QString currentLanguage() { return speaking().language; }

QString languageFor(const QString& stored) {
    if (stored == kRussian || stored == kEnglish) return stored;
    // LANGUAGE, then LC_ALL, LC_MESSAGES and LANG; the C and POSIX locales name no language.
    const QStringList wanted = QLocale::system().uiLanguages();
    for (const QString& tag : wanted) {
        QString language = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("c") || language == QLatin1String("posix")) return kRussian;
        if (hasTranslation(language)) return language;
    }
    return wanted.isEmpty() ? kRussian : kEnglish;
}

void applyLanguage(const QString& language) {
    Speaking& now = speaking();
    remove(now.game);
    remove(now.qt);
    now.language = kRussian;
    if (language != kRussian) {
        auto game = std::make_unique<QTranslator>();
        if (loadGameTranslation(*game, language)) {
            now.game = std::move(game);
            QCoreApplication::installTranslator(now.game.get());
            now.language = language;
        }
    }
    // Qt speaks English by itself; for any other language its own translation goes in too.
    if (now.language != kEnglish) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(now.language), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            now.qt = std::move(qt);
            QCoreApplication::installTranslator(now.qt.get());
        }
    }
}

}  // namespace reikoboy
