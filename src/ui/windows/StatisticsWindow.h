// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// «Статистика»: wins, losses and draws of each kind of game, the best winning margin, and a
// button that clears them.
#pragma once

#include <QDialog>

class QTableWidget;

namespace reikoboy {

class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    explicit StatisticsWindow(QWidget* parent);

private:
    void fill();

    QTableWidget* table_ = nullptr;
};

}  // namespace reikoboy
