// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Параметры → Масштаб: the choice is stored at once and takes effect at the next start.
#include <QActionGroup>
#include <QMenu>
#include <QMessageBox>

#include "persist/Settings.h"
#include "ui/start/WindowScale.h"
#include "ui/window/Form1.h"

namespace reikoboy {

void Form1::buildScaleMenu(QMenu* options) {
    QMenu* menu = translatedMenu(options, QT_TR_NOOP("&Масштаб"));
    menu->setObjectName(QStringLiteral("Scale"));
    auto* group = new QActionGroup(menu);
    const QString stored = readScale();
    bool known = false;
    for (const char* choice : kScaleChoices) {
        const QString percent = QLatin1String(choice);
        QAction* action = percent.isEmpty() ? translatedAction(menu, QT_TR_NOOP("Как на рабочем &столе"))
                                            : menu->addAction(percent + QStringLiteral(" %"));
        action->setObjectName(QStringLiteral("Scale") + (percent.isEmpty() ? QStringLiteral("Desktop") : percent));
        action->setCheckable(true);
        group->addAction(action);
        if (percent == stored) action->setChecked(known = true);
        connect(action, &QAction::triggered, this, [this, percent] {
            writeScale(percent);
            QMessageBox::information(this, gameTitle(), tr("Новый масштаб окна будет при следующем запуске игры."));
        });
    }
    if (!known) group->actions().first()->setChecked(true);  // junk means the desktop's scale
}

}  // namespace reikoboy
