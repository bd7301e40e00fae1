// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The application's style, unchanged but for one saving: the menu bar's extension arrow, which
// the window is too wide ever to show, is read from its files only if it is ever drawn. Reading
// it at start-up loaded every image plugin before the first frame.
#pragma once

#include <QProxyStyle>

namespace reikoboy {

class LeanStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;
};

}  // namespace reikoboy
