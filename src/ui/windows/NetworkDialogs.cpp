// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/windows/NetworkDialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "game/Board.h"
#include "net/NetworkModule.h"

namespace reikoboy {

namespace {

constexpr int kNameLimit = 32;

QLineEdit* nameField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(name, parent);
    field->setObjectName(QStringLiteral("NetName"));
    field->setMaxLength(kNameLimit);
    return field;
}

QDialogButtonBox* okCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

QString cleanPlayerName(const QString& typed) {
    QString name;
    for (QChar c : typed.simplified())
        if (!c.isNonCharacter() && c.category() != QChar::Other_Control && c.category() != QChar::Other_Format) name += c;
    return name.left(kNameLimit);
}

CreateGameDialog::CreateGameDialog(const QString& name, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("NetCreateDialog"));
    setWindowTitle(tr("Создать игру"));
    name_ = nameField(name, this);
    colour_ = new QComboBox(this);
    colour_->setObjectName(QStringLiteral("NetColour"));
    colour_->addItem(tr("Синие"), kBlue);
    colour_->addItem(tr("Красные"), kRed);
    port_ = new QSpinBox(this);
    port_->setObjectName(QStringLiteral("NetPort"));
    port_->setRange(1, 65535);
    port_->setValue(kDefaultGamePort);
    auto* form = new QFormLayout;
    form->addRow(tr("Ваше имя:"), name_);
    form->addRow(tr("Ваши фишки:"), colour_);
    form->addRow(tr("Порт:"), port_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(okCancel(this));
}

QString CreateGameDialog::name() const { return cleanPlayerName(name_->text()); }
int CreateGameDialog::colour() const { return colour_->currentData().toInt(); }
quint16 CreateGameDialog::port() const { return static_cast<quint16>(port_->value()); }

const char* const JoinGameDialog::kNoDiscovery =
    QT_TRANSLATE_NOOP("reikoboy::JoinGameDialog", "Поиск игр в сети недоступен");

JoinGameDialog::JoinGameDialog(const QString& name, const QString& lastAddress, const QString& lastCode,
                               QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("NetJoinDialog"));
    setWindowTitle(tr("Подключиться к игре"));
    // Games announced on the local network go here; until they are looked for, it says so.
    games_ = new QListWidget(this);
    games_->setObjectName(QStringLiteral("NetGames"));
    games_->setAccessibleName(tr("Игры в сети"));
    games_->setMaximumHeight(90);
    showGames(nullptr);
    address_ = new QLineEdit(lastAddress, this);
    address_->setObjectName(QStringLiteral("NetAddress"));
    address_->setPlaceholderText(tr("адрес или адрес:порт"));
    code_ = new QLineEdit(lastCode, this);
    code_->setObjectName(QStringLiteral("NetCode"));
    code_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), code_));
    name_ = nameField(name, this);
    auto* form = new QFormLayout;
    form->addRow(tr("Игры в сети:"), games_);
    form->addRow(tr("Адрес:"), address_);
    form->addRow(tr("Код игры:"), code_);
    form->addRow(tr("Ваше имя:"), name_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    QDialogButtonBox* buttons = okCancel(this);
    layout->addWidget(buttons);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    auto check = [this, ok] { ok->setEnabled(address().has_value() && code().size() == 6); };
    connect(address_, &QLineEdit::textChanged, this, check);
    connect(code_, &QLineEdit::textChanged, this, check);
    connect(games_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && item->data(Qt::UserRole).isValid()) address_->setText(item->data(Qt::UserRole).toString());
    });
    check();
}

void JoinGameDialog::showGames(const net::GameFinder* finder) {
    QString chosen = games_->currentItem() ? games_->currentItem()->data(Qt::UserRole).toString() : QString();
    games_->clear();
    auto say = [this](const QString& text, const QString& why = {}) {
        auto* line = new QListWidgetItem(text, games_);
        line->setFlags(Qt::NoItemFlags);
        line->setToolTip(why);
    };
    if (!finder || (!finder->connecting() && !finder->available())) {
        say(tr(kNoDiscovery), finder ? finder->unavailableReason() : QString());
        return;
    }
    const QList<net::FoundGame> found = finder->games();
    if (found.isEmpty()) {
        say(finder->connecting() ? tr("Ищем игры в сети…") : tr("Игр в сети пока нет"));
        return;
    }
    // Names and host names come from strangers: plain list text, never markup.
    for (const net::FoundGame& game : found) {
        QString where = gameAddressText({game.address, game.port});
        QString who = game.playerName.isEmpty() ? tr("Игрок") : game.playerName;
        auto* line = new QListWidgetItem(QStringLiteral("%1 — %2 (%3)").arg(who, game.hostName, where), games_);
        line->setData(Qt::UserRole, where);
        if (where == chosen) games_->setCurrentItem(line);
    }
}

std::optional<GameAddress> JoinGameDialog::address() const { return parseGameAddress(address_->text()); }
QString JoinGameDialog::code() const { return code_->text(); }
QString JoinGameDialog::name() const { return cleanPlayerName(name_->text()); }

}  // namespace reikoboy
