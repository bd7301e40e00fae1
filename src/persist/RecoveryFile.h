// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Games a session ended in without a chance to ask the players: each run keeps its game in a
// file of its own in the user's data folder, in the saved-game format, and the next start
// offers the newest; a file goes once its game has been answered.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "game/GameState.h"

namespace reikoboy {

// "<data folder>/Рейкобой"; empty when the user has no home to keep games in.
QString recoveryFolder();

// This run's own file: "<folder>/interrupted-<start time>-<process>.sav". Two games running
// at once never share one.
QString recoveryFileName();

// Writes the game whole or not at all, making the folder first, and beside it whether the side
// to move had dropped a chip this turn (which the saved-game format does not hold). A symbolic
// link at the name is replaced, never written through. False when nothing was kept.
bool keepInterruptedGame(const GameState& state);

// Removes this run's file; a folder in its place stays.
void forgetInterruptedGame();

// The interrupted games waiting, newest first: regular files only (a link is never followed).
// "interrupted.sav", the one file of earlier versions, is among them.
QStringList waitingInterruptedGames();

// Whether the side to move had dropped a chip in its turn when `file` was kept.
bool droppedInTurnWhenKept(const QString& file);

// Removes a waiting game and its note; false when the file is still there afterwards.
bool forgetWaitingGame(const QString& file);

// Removes what runs that died in the middle of a write left in the folder: new files never
// renamed, and notes without their game. Only what is older than a write takes.
void sweepRecoveryLeftovers();

}  // namespace reikoboy
