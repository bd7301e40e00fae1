// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Statistics.h"

#include <QFileInfo>
#include <QSettings>
#include <algorithm>

#include "Settings.h"

namespace reikoboy {

namespace {

const char* const kRowKeys[kResultRows] = {"ScreenBlue", "ScreenRed", "Novice", "Amateur", "Master", "Network"};
constexpr qint64 kLargestStore = 1 << 20;  // as for the options: a larger file is none of ours

bool storeUsable() {
    const QString name = settingsFileName();
    if (name.isEmpty()) return false;
    QFileInfo file(name);
    return !file.exists() || (file.isFile() && file.size() <= kLargestStore);
}

#define REIKOBOY_STORE(name) \
    QSettings name(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Рейкобой"), QStringLiteral("Рейкобой"))

QString key(int row, const char* what) {
    return QStringLiteral("Statistics/%1%2").arg(QLatin1String(kRowKeys[row]), QLatin1String(what));
}

int count(const QSettings& settings, const QString& name) {
    bool ok = false;
    const int value = settings.value(name).toString().toInt(&ok);
    return ok && value > 0 ? value : 0;
}

}  // namespace

Statistics readStatistics() {
    Statistics all{};
    if (!storeUsable()) return all;
    REIKOBOY_STORE(settings);
    for (int row = 0; row < kResultRows; ++row)
        all[row] = {count(settings, key(row, "Wins")), count(settings, key(row, "Losses")),
                    count(settings, key(row, "Draws")), count(settings, key(row, "BestMargin"))};
    return all;
}

void countResult(ResultRow which, Outcome outcome, int margin) {
    if (!storeUsable()) return;
    const int row = static_cast<int>(which);
    Tally tally = readStatistics()[row];
    if (outcome == Outcome::Win) {
        ++tally.wins;
        tally.bestMargin = std::max(tally.bestMargin, margin);
    } else if (outcome == Outcome::Loss) {
        ++tally.losses;
    } else {
        ++tally.draws;
    }
    REIKOBOY_STORE(settings);
    settings.setValue(key(row, "Wins"), tally.wins);
    settings.setValue(key(row, "Losses"), tally.losses);
    settings.setValue(key(row, "Draws"), tally.draws);
    settings.setValue(key(row, "BestMargin"), tally.bestMargin);
    settings.sync();
}

void resetStatistics() {
    if (!storeUsable()) return;
    REIKOBOY_STORE(settings);
    settings.remove(QStringLiteral("Statistics"));
    settings.sync();
}

}  // namespace reikoboy
