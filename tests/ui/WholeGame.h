// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A whole game as the moves a player clicks, for tests that need a game to its end.
#pragma once

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "ai/SilentHost.h"
#include "persist/SavedGame.h"

namespace reikoboy::testing {

// Forty-nine moves after which all sixteen chips have left the board, blue 140 : red 100.
inline const char* const kWholeGame =
    "Command1 3; Command3 1; Command3 3; Command3 4; Command1 1; Command2 0; Command1 2; "
    "Command1 4; Command2 1; Command1 0; Command2 2; Command3 1; Command2 3; Command3 4; "
    "Command1 4; Command3 0; Command1 1; Command2 1; Command3 0; Command2 2; Command2 4; "
    "Command1 6; Command2 1; Command1 4; Command1 2; Command2 0; Command3 1; Command2 3; "
    "Command3 4; Command1 1; Command2 1; Command3 3; Command1 5; Command3 1; Command1 3; "
    "Command2 0; Command3 2; Command2 4; Command1 0; Command2 0; Command1 3; Command1 1; "
    "Command2 2; Command3 0; Command3 4; Command3 1; Command3 3; Command2 2; Command2 3";

// The whole game but its last click, saved in a folder of its own: the side to move, `mover`,
// ends it with "Command2_3", blue winning 140 : 100.
struct NearlyOver {
    QTemporaryDir folder;
    QString file = folder.filePath("nearly-over.sav");
    int mover = kBlue;
    NearlyOver() {
        ai::SilentHost host;
        Game game(host);
        game.formLoad("", "0");
        QStringList moves = QString::fromLatin1(kWholeGame).split(QStringLiteral("; "));
        moves.removeLast();
        for (const QString& move : moves) {
            QStringList c = move.mid(7).split(' ');
            game.click(static_cast<Button>(c[0].toInt() - 1), c[1].toInt());
            game.finishAnimation();
        }
        mover = game.state().turnColour;
        QFile out(file);
        if (out.open(QIODevice::WriteOnly)) out.write(QByteArray::fromStdString(writeSavedGame(game.state())));
    }
};

}  // namespace reikoboy::testing
