// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/board/BoardAnnouncer.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>

#include "game/Game.h"

namespace reikoboy {

namespace {

// Columns as the player counts them on the screen, from 1.
QString columnList(const QList<int>& columns) {
    QStringList numbers;
    for (int c : columns) numbers << QString::number(c + 1);
    return numbers.join(QStringLiteral(", "));
}

bool isHole(const GameState& s, int column, int r) { return s.railCells[column + kPositionOffset][r] != 1; }

// A rail's shift and holes in one number, to rename it only when one of them changes.
long railKey(const GameState& s, int r) {
    long key = int(s.railShift[r]) + kMaxShift + 1;
    for (int c = 0; c < kColumns; ++c) key = key * 2 + (isHole(s, c, r) ? 1 : 0);
    return key;
}

void describe(QWidget* w, const QString& text) {
    if (w->accessibleDescription() != text) {
        w->setAccessibleDescription(text);  // tells the screen reader itself
        return;
    }
    QAccessibleEvent said(w, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&said);
}

}  // namespace

QString scoreName(int colour, int score) {
    QString name = colour == kBlue ? QCoreApplication::translate("BoardAnnouncer", "Синие: %1")
                                   : QCoreApplication::translate("BoardAnnouncer", "Красные: %1");
    return name.arg(score);
}

QString railName(const GameState& s, int r) {
    int shift = s.railShift[r];
    QString where = QCoreApplication::translate("BoardAnnouncer", "на месте");
    if (shift < 0) where = QCoreApplication::translate("BoardAnnouncer", "сдвинута влево на %1").arg(-shift);
    if (shift > 0) where = QCoreApplication::translate("BoardAnnouncer", "сдвинута вправо на %1").arg(shift);
    QList<int> holes;
    for (int c = 0; c < kColumns; ++c)
        if (isHole(s, c, r)) holes << c;
    QString under = holes.isEmpty()
                        ? QCoreApplication::translate("BoardAnnouncer", "без отверстий под полем")
                        : QCoreApplication::translate("BoardAnnouncer", "отверстия под столбцами %1").arg(columnList(holes));
    return QCoreApplication::translate("BoardAnnouncer", "Рейка %1 %2, %3").arg(r + 1).arg(where, under);
}

QString drumName(int drumPos) {
    std::map<int, QList<int>, std::greater<>> byPoints;
    for (int c = 0; c < kColumns; ++c) byPoints[pointsFor(c, drumPos)] << c;
    QStringList parts;
    for (const auto& [points, columns] : byPoints)
        parts << (points == 0 ? QCoreApplication::translate("BoardAnnouncer", "остальные — %1 очков").arg(points)
                              : QCoreApplication::translate("BoardAnnouncer", "столбцы %1 — %2 очков")
                                    .arg(columnList(columns))
                                    .arg(points));
    return QCoreApplication::translate("BoardAnnouncer", "Барабан, положение %1 из %2: %3")
        .arg(drumPos + 1)
        .arg(kDrumPositions)
        .arg(parts.join(QStringLiteral("; ")));
}

QString turnSummary(const GameState& s) {
    return QStringLiteral("%1. %2, %3.")
        .arg(s.turnColour == kBlue ? QCoreApplication::translate("BoardAnnouncer", "Ходят синие фишки")
                                   : QCoreApplication::translate("BoardAnnouncer", "Ходят красные фишки"),
             scoreName(kBlue, s.blueScore), scoreName(kRed, s.redScore));
}

BoardAnnouncer::BoardAnnouncer(QWidget* turn, QWidget* blueScore, QWidget* redScore,
                               std::array<QWidget*, kRails> rails, QWidget* drum)
    : turn_(turn), blueScore_(blueScore), redScore_(redScore), rails_(rails), drum_(drum) {}

void BoardAnnouncer::follow(const GameState& s) {
    bool scored = false;
    for (int colour : {kBlue, kRed}) {
        int score = colour == kBlue ? s.blueScore : s.redScore;
        if (scores_[colour] == score) continue;
        scores_[colour] = score;
        scored = true;
        (colour == kBlue ? blueScore_ : redScore_)->setAccessibleName(scoreName(colour, score));
    }
    for (int r = 0; r < kRails; ++r) {
        long key = railKey(s, r);
        if (railKeys_[r] == key) continue;
        railKeys_[r] = key;
        rails_[r]->setAccessibleName(railName(s, r));
    }
    if (drumKey_ != s.drumPos) {
        drumKey_ = s.drumPos;
        drum_->setAccessibleName(drumName(drumKey_));
    }
    // The turn label says whose turn it is; its description adds the scores.
    if (scored) turn_->setAccessibleDescription(scoresSaid());
    if (scored || turnKey_ != s.turnColour) {
        turnKey_ = s.turnColour;
        summary_ = turnSummary(s);
        // A board that changed without a move (a new game, an opened one, a move taken back)
        // must not leave the focused control telling the turn and scores of before.
        if (described_ && !s.animating()) speak();
    }
}

void BoardAnnouncer::renameAll(const GameState& s) {
    scores_ = {-1, -1};
    railKeys_ = {};
    drumKey_ = -1;
    turnKey_ = -1;
    follow(s);
}

void BoardAnnouncer::speak() {
    QStringList parts;
    for (const QString& part : {news_, scoreNews_, summary_, itsOwnDescription_})
        if (!part.isEmpty()) parts << part;
    describe(described_, parts.join(QLatin1Char(' ')));
}

void BoardAnnouncer::tell(const QString& sentence, QWidget* focus) {
    news_ = sentence.endsWith(QLatin1Char('.')) ? sentence : sentence + QLatin1Char('.');
    if (focus == turn_) {  // where the focus waits while the board moves
        describe(turn_, news_ + QLatin1Char(' ') + scoresSaid());
        return;
    }
    if (!described_ && focus) {
        described_ = focus;
        itsOwnDescription_ = focus->accessibleDescription();
    }
    if (described_) speak();
}

QString BoardAnnouncer::scoresSaid() const {
    return QStringLiteral("%1, %2.").arg(scoreName(kBlue, scores_[kBlue]), scoreName(kRed, scores_[kRed]));
}

void BoardAnnouncer::moveSettled(QWidget* speaker) {
    news_.clear();
    QStringList scored;
    for (int colour : {kBlue, kRed}) {
        const int gained = scores_[colour] - settledScores_[colour];
        if (gained > 0)
            scored << (colour == kBlue ? QCoreApplication::translate("BoardAnnouncer", "Синие +%1.")
                                       : QCoreApplication::translate("BoardAnnouncer", "Красные +%1."))
                          .arg(gained);
    }
    scoreNews_ = scored.join(QLatin1Char(' '));
    if (described_ != speaker) {
        if (described_) described_->setAccessibleDescription(itsOwnDescription_);
        described_ = nullptr;
    }
    if (speaker == turn_) {  // it says all of it already
        describe(turn_, scoresSaid());
        return;
    }
    if (described_ != speaker) {
        described_ = speaker;
        itsOwnDescription_ = speaker->accessibleDescription();
    }
    speak();
}

}  // namespace reikoboy
