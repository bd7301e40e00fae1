// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Параметры → Масштаб: the game started at a stored scale.
#include <QDir>
#include <QMap>
#include <QProcess>
#include <QSettings>

#include "GameRun.h"

namespace reikoboy::testing {
namespace {

// The whole window at 200 per cent: every control twice as far from the corner and twice as large.
TEST(ScaleTest, AtTwoHundredPerCentEveryControlIsWhereItBelongsTwiceAsLarge) {
    auto controls = [](const QString& percent) {
        GameRun run;
        QDir().mkpath(run.home.path() + "/config/Рейкобой");
        if (!percent.isEmpty()) {
            QSettings s(run.settings(), QSettings::IniFormat);
            s.setValue("Settings/Масштаб", percent);
        }
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", run.home.path());
        env.insert("XDG_CONFIG_HOME", run.home.path() + "/config");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.remove("QT_SCALE_FACTOR");
        game.setProcessEnvironment(env);
        game.start(REIKOBOY_SESSION_CHILD, {"geometry"});
        EXPECT_TRUE(game.waitForFinished(30000));
        QMap<QString, QRect> where;
        for (const QByteArray& line : game.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f.size() == 5) where[f[0]] = QRect(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
        }
        return where;
    };
    const QMap<QString, QRect> plain = controls(""), large = controls("200");
    ASSERT_GT(plain.size(), 50);  // buttons, rails, chips, the drum, the labels
    ASSERT_EQ(plain.keys(), large.keys());
    for (const QString& name : plain.keys()) {
        const QRect a = plain[name], b = large[name];
        EXPECT_TRUE(std::abs(b.x() - 2 * a.x()) <= 1 && std::abs(b.y() - 2 * a.y()) <= 1 &&
                    std::abs(b.width() - 2 * a.width()) <= 1 && std::abs(b.height() - 2 * a.height()) <= 1)
            << name.toStdString();
    }
    EXPECT_EQ(plain["Command5"].size() * 2, large["Command5"].size());
}

}  // namespace
}  // namespace reikoboy::testing
