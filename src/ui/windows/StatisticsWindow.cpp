// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/windows/StatisticsWindow.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "persist/Statistics.h"

namespace reikoboy {

namespace {

const char* const kRowNames[kResultRows] = {
    QT_TRANSLATE_NOOP("reikoboy::StatisticsWindow", "Двое за экраном: синие"),
    QT_TRANSLATE_NOOP("reikoboy::StatisticsWindow", "Двое за экраном: красные"),
    QT_TRANSLATE_NOOP("reikoboy::StatisticsWindow", "Против «Новичка»"),
    QT_TRANSLATE_NOOP("reikoboy::StatisticsWindow", "Против «Любителя»"),
    QT_TRANSLATE_NOOP("reikoboy::StatisticsWindow", "Против «Мастера»"),
    QT_TRANSLATE_NOOP("reikoboy::StatisticsWindow", "По сети")};

}  // namespace

StatisticsWindow::StatisticsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Statistics"));
    table_ = new QTableWidget(kResultRows, 4, this);
    table_->setObjectName(QStringLiteral("StatisticsTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    reset_ = buttons->addButton(QString(), QDialogButtonBox::ResetRole);
    reset_->setObjectName(QStringLiteral("StatisticsReset"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(reset_, &QPushButton::clicked, this, [this] {
        QMessageBox sure(QMessageBox::Question, windowTitle(), tr("Забыть все результаты?"),
                         QMessageBox::Yes | QMessageBox::No, this);
        sure.setDefaultButton(QMessageBox::No);
        if (sure.exec() != QMessageBox::Yes) return;
        resetStatistics();
        fill();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    nameThings();
    fill();
    // The whole table in view, without scroll bars.
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();  // placed over the board by its real size
}

void StatisticsWindow::nameThings() {
    setWindowTitle(tr("Статистика"));
    table_->setHorizontalHeaderLabels({tr("Победы"), tr("Поражения"), tr("Ничьи"), tr("Лучший перевес")});
    QStringList rows;
    for (const char* name : kRowNames) rows << tr(name);
    table_->setVerticalHeaderLabels(rows);
    table_->setAccessibleName(tr("Статистика игр"));
    reset_->setText(tr("&Сбросить"));
}

void StatisticsWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) nameThings();
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
