// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// «Статистика»: wins, losses and draws of each kind of game, the best winning margin, and a
// button that clears them.
#pragma once

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace reikoboy {

class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    explicit StatisticsWindow(QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;

private:
    void nameThings();  // the title, headers and button, in the language the window speaks
    void fill();

    QTableWidget* table_ = nullptr;
    QPushButton* reset_ = nullptr;
};

}  // namespace reikoboy
