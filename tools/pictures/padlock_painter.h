// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Draws the grey padlock shown by a button that cannot be used right now.

#include <QImage>

QImage paintPadlock(int scale);
