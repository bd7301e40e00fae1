// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Sha256.h"

#include <QCryptographicHash>

namespace reikoboy::net {

std::string sha256Hex(std::string_view bytes) {
    QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return QCryptographicHash::hash(view, QCryptographicHash::Sha256).toHex().toStdString();
}

}  // namespace reikoboy::net
