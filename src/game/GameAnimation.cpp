// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The three animations tick by tick: a rail sliding a cell, chips falling a level, chips
// leaving the board at the bottom and scoring, and the end of a game.
#include "Game.h"

namespace reikoboy {

namespace {

constexpr int kChipsInGame = 2 * kChipsPerColour;
constexpr int kBottomLevel = kLevels - 1;

}  // namespace

void Game::timer1Tick() { railTick(state_.Timer1, -kTickPixels); }
void Game::timer2Tick() { railTick(state_.Timer2, +kTickPixels); }

void Game::railTick(AnimationTimer& timer, int d) {
    if (!timer.Enabled) return;
    GameState& s = state_;
    ++s.railStep;
    s.Image1[s.movingRail].Left += float(d);
    for (int c = 0; c < kColumns; ++c) {
        if (int i = s.blueAt[c][s.movingRail]; i != -1) s.Image5[i].Left += float(d);
        if (int i = s.redAt[c][s.movingRail]; i != -1) s.Image6[i].Left += float(d);
    }
    if (s.railStep == kTicksPerCell) {
        timer.Enabled = false;
        s.railStep = 0;
        pok();
    }
}

bool Game::chooseFalling(int colour, int c, int l) {
    GameState& s = state_;
    int chip = s.at(colour)[c][l];
    return chip != -1 && s.railCells[c + kPositionOffset][l + 1] == 0 && s.blueAt[c][l + 1] == -1 &&
           s.redAt[c][l + 1] == -1;
}

void Game::pok() {
    GameState& s = state_;
    osv();
    s.blueFallCount = 0;
    s.redFallCount = 0;
    for (int l = 0; l < kBottomLevel; ++l) {
        for (int c = 0; c < kColumns; ++c) {
            for (int colour : {kBlue, kRed}) {
                if (!chooseFalling(colour, c, l)) continue;
                int& count = s.fallCount(colour);
                s.falling(colour)[count] = s.at(colour)[c][l];
                ++count;
            }
        }
    }
    s.fallStep = 0;
    if (s.blueFallCount != 0 || s.redFallCount != 0)
        s.Timer3.Enabled = true;
    else
        butp();
}

void Game::timer3Tick() {
    GameState& s = state_;
    if (!s.Timer3.Enabled) return;
    ++s.fallStep;
    for (int colour : {kBlue, kRed}) {
        for (int i = 0; i < s.fallCount(colour); ++i)
            s.chips(colour)[s.falling(colour)[i]].Top += float(kTickPixels);
    }
    if (s.fallStep != kTicksPerCell) return;
    osv();
    exitPass(kBlue);
    exitPass(kRed);
    showScores();
    // The question is asked with the fall stopped: no tick may arrive while it is open.
    s.Timer3.Enabled = false;
    endOfGameCheck();
    pok();
}

void Game::exitPass(int colour) {
    GameState& s = state_;
    for (int c = 0; c < kColumns; ++c) {
        int k = s.at(colour)[c][kBottomLevel];
        if (k == -1) continue;
        s.score(colour) += pointsFor(c, s.drumPos);
        s.chips(colour)[k] = {0, 0, false};
        s.out(colour)[k] = 1;
        ++s.chipsOut;
        Sou2(static_cast<int>(Sound::Fishka));
    }
}

void Game::showScores() {
    state_.Label2.Caption = std::to_string(int(state_.blueScore));
    state_.Label3.Caption = std::to_string(int(state_.redScore));
}

void Game::endOfGameCheck() {
    GameState& s = state_;
    if (s.chipsOut != kChipsInGame) return;
    s.resultText = s.blueScore > s.redScore ? "Выиграли синие фишки!" : "Выиграли красные фишки!";
    if (s.blueScore == s.redScore) s.resultText = "Ничья!";
    std::string text = "Поздравляю! " + s.resultText + "\n\r" + "Хотите сыграть ещё?";
    if (host_.askEndOfGame(text)) nov();
}

void Game::finishAnimation() {
    // A fall chain ends after at most one step per chip and level; the bound is a safeguard.
    for (int ticks = 0; state_.animating() && ticks < 100000; ++ticks) {
        if (state_.Timer1.Enabled)
            timer1Tick();
        else if (state_.Timer2.Enabled)
            timer2Tick();
        else
            timer3Tick();
    }
}

}  // namespace reikoboy
