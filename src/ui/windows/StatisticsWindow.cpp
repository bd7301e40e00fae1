// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/windows/StatisticsWindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "persist/Statistics.h"

namespace reikoboy {

namespace {

const char* const kRowNames[kResultRows] = {"Двое за экраном: синие", "Двое за экраном: красные",
                                            "Против «Новичка»",        "Против «Любителя»",
                                            "Против «Мастера»",        "По сети"};

}  // namespace

StatisticsWindow::StatisticsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Statistics"));
    setWindowTitle(QStringLiteral("Статистика"));
    table_ = new QTableWidget(kResultRows, 4, this);
    table_->setObjectName(QStringLiteral("StatisticsTable"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Победы"), QStringLiteral("Поражения"), QStringLiteral("Ничьи"), QStringLiteral("Лучший перевес")});
    QStringList rows;
    for (const char* name : kRowNames) rows << QString::fromUtf8(name);
    table_->setVerticalHeaderLabels(rows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setAccessibleName(QStringLiteral("Статистика игр"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* reset = buttons->addButton(QStringLiteral("&Сбросить"), QDialogButtonBox::ResetRole);
    reset->setObjectName(QStringLiteral("StatisticsReset"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(reset, &QPushButton::clicked, this, [this] {
        QMessageBox sure(QMessageBox::Question, windowTitle(), QStringLiteral("Забыть все результаты?"),
                         QMessageBox::Yes | QMessageBox::No, this);
        sure.setDefaultButton(QMessageBox::No);
        if (sure.exec() != QMessageBox::Yes) return;
        resetStatistics();
        fill();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    fill();
    // The whole table in view, without scroll bars.
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();  // placed over the board by its real size
}

void StatisticsWindow::fill() {
    const Statistics all = readStatistics();
    for (int row = 0; row < kResultRows; ++row) {
        const Tally& t = all[row];
        const int values[4] = {t.wins, t.losses, t.draws, t.bestMargin};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(QString::number(values[column]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
    }
}

}  // namespace reikoboy
