// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Game.h"

#include "NumberText.h"

namespace reikoboy {

namespace {

constexpr int kBlueStockLeft = 168;  // a new game lines the blue stock up from here leftwards
constexpr int kRedStockLeft = 440;
constexpr int kStockSpacing = 24;
constexpr int kDropLeft0 = kChipLeft0 + kCell * kFirstDropColumn;  // column of drop button 0

bool inGrid(int column, int level) {
    return column >= 0 && column < kColumns && level >= 0 && level < kLevels;
}

}  // namespace

int buttonCount(Button button) {
    switch (button) {
        case Button::Command1: return kDropButtons;
        case Button::Command2:
        case Button::Command3: return kRails;
        case Button::Command4: return kDrumButtons;
        case Button::Command5: return 1;
    }
    return 0;
}

int pointsFor(int column, int drumPos) {
    static constexpr int kOuter[kDrumPositions] = {10, 20, 50};   // columns 3, 4 and 8, 9
    static constexpr int kMiddle[kDrumPositions] = {20, 10, 0};   // columns 5, 6, 7
    if (drumPos < 0 || drumPos >= kDrumPositions) return 0;
    if ((column > 2 && column < 5) || (column > 7 && column < 10)) return kOuter[drumPos];
    if (column > 4 && column < 8) return kMiddle[drumPos];
    return 0;
}

bool chipsFitGrid(const GameState& s) {
    for (int colour : {kBlue, kRed}) {
        int dropped = s.dropped(colour);
        if (dropped < 0 || dropped > kChipsPerColour) return false;
        for (int i = 0; i < dropped; ++i) {
            if (s.out(colour)[i] != 0) continue;
            const ChipPicture& chip = s.chips(colour)[i];
            if (!inGrid(columnOf(chip), levelOf(chip))) return false;
        }
    }
    return true;
}

Game::Game(Host& host) : host_(host) {}

// ---------------------------------------------------------------- start-up and new game

void Game::formLoad(std::string_view storedBackground, std::string_view storedSound) {
    GameState& s = state_;
    s.freshGame = 1;
    s.drumPos = 0;
    s.blueScore = 0;
    s.redScore = 0;
    s.lastMoved = kNothingMoved;
    unpackPattern();
    s.bgFile = std::string(storedBackground);
    // Absent, empty or not a number: sounds on. Any other number but 0: off.
    s.soundOff = 0;
    while (!storedSound.empty() && storedSound.front() == ' ') storedSound.remove_prefix(1);
    while (!storedSound.empty() && storedSound.back() == ' ') storedSound.remove_suffix(1);
    if (auto number = parseNumber(storedSound); number && *number > -32768.5 && *number < 32767.5)
        s.soundOff = static_cast<int>(roundHalfEven(*number));
    s.SonChecked = s.soundOff == 0;
    butp();
}

void Game::unpackPattern() {
    GameState& s = state_;
    s.railPattern = std::string(kStartPattern);
    for (int r = 0; r < kRails; ++r) {
        for (int p = kPositionOffset; p < kPositionOffset + kColumns; ++p) {
            ++s.patternPos;
            bool solid = s.patternPos <= int(s.railPattern.size()) &&
                         s.railPattern[s.patternPos - 1] == '1';
            s.railCells[p][r] = solid ? 1 : 0;
        }
    }
}

void Game::newGame() {
    stopAnimation();
    nov();
}

void Game::stopAnimation() {
    state_.Timer1.Enabled = false;
    state_.Timer2.Enabled = false;
    state_.Timer3.Enabled = false;
    state_.railStep = 0;
    state_.fallStep = 0;
}

void Game::nov() {
    GameState& s = state_;
    s.freshGame = 1;
    for (int r = 0; r < kRails; ++r) {
        s.Image1[r].Left = float(kRailHomeLeft);
        s.railShift[r] = 0;
    }
    s.drumPos = 0;
    s.blueScore = 0;
    s.redScore = 0;
    s.patternPos = 0;
    s.blueDropped = 0;
    s.redDropped = 0;
    s.turnColour = kBlue;
    s.chipsOut = 0;
    s.lastMoved = kNothingMoved;
    showScores();
    s.Label1 = {kTurnBlue, kPureBlue};
    unpackPattern();
    for (int r = 0; r < kRails; ++r) {
        for (int p = 0; p < kPositionOffset; ++p) s.railCells[p][r] = 0;
        for (int p = kPositionOffset + kColumns; p < kRailPositions; ++p) s.railCells[p][r] = 0;
    }
    s.Image3Picture = 0;
    for (int i = 0; i < kChipsPerColour; ++i) {
        s.Image5[i] = {float(kBlueStockLeft - kStockSpacing * i), 0, true};
        s.Image6[i] = {float(kRedStockLeft + kStockSpacing * i), 0, true};
        s.blueOut[i] = 0;
        s.redOut[i] = 0;
    }
    for (int i = 0; i < kFallSlots; ++i) {
        s.blueFalling[i] = 0;
        s.redFalling[i] = 0;
    }
    osv();
    butp();
}

// ---------------------------------------------------------------- occupancy and buttons

void Game::osv() {
    GameState& s = state_;
    for (int colour : {kBlue, kRed}) {
        auto& at = s.at(colour);
        for (auto& column : at) column.fill(-1);
        int dropped = s.dropped(colour);
        for (int i = 0; i < dropped && i < kChipsPerColour; ++i) {
            if (s.out(colour)[i] != 0) continue;
            int c = columnOf(s.chips(colour)[i]);
            int l = levelOf(s.chips(colour)[i]);
            if (inGrid(c, l)) at[c][l] = i;  // opening a game refuses chips off the grid
        }
    }
}

void Game::hideBoardButtons() {
    GameState& s = state_;
    for (auto& b : s.Command1) b.Visible = false;
    for (auto& b : s.Command2) b.Visible = false;
    for (auto& b : s.Command3) b.Visible = false;
    for (auto& b : s.Command4) b.Visible = false;
}

void Game::butu() {
    GameState& s = state_;
    hideBoardButtons();
    if (s.dropInTurn == 0) {
        s.turnColour = s.turnColour == kBlue ? kRed : kBlue;
        showTurn();
    }
}

void Game::showTurn() {
    GameState& s = state_;
    if (s.turnColour == kBlue)
        s.Label1 = {kTurnBlue, kPureBlue};
    else
        s.Label1 = {kTurnRed, kPureRed};
}

void Game::butp() {
    osv();
    GameState& s = state_;
    bool hasStock = (s.turnColour == kBlue && s.blueDropped != kChipsPerColour) ||
                    (s.turnColour == kRed && s.redDropped != kChipsPerColour);
    for (int k = 0; k < kDropButtons; ++k) {
        int c = k + kFirstDropColumn;
        int p = c + kPositionOffset;
        s.Command1[k].Visible = hasStock && s.railCells[p][0] == 0 && s.railCells[p][1] == 1 &&
                                s.blueAt[c][0] == -1 && s.redAt[c][0] == -1;
    }
    for (int r = 0; r < kRails; ++r) {
        s.Command2[r] = {s.railShift[r] != -kMaxShift, true};
        s.Command3[r] = {s.railShift[r] != kMaxShift, true};
        if (s.blueAt[0][r] != -1 || s.redAt[0][r] != -1) s.Command2[r].Visible = false;
        if (s.blueAt[kColumns - 1][r] != -1 || s.redAt[kColumns - 1][r] != -1)
            s.Command3[r].Visible = false;
    }
    for (auto& b : s.Command4) b = {true, true};
    if (s.lastMoved >= 0 && s.lastMoved < kRails) {
        s.Command2[s.lastMoved].Enabled = false;
        s.Command3[s.lastMoved].Enabled = false;
    } else if (s.lastMoved == kDrumLastMoved) {
        for (auto& b : s.Command4) b.Enabled = false;
    }
}

bool Game::offers(Button button, int index) const {
    if (index < 0 || index >= buttonCount(button) || state_.animating()) return false;
    const GameState& s = state_;
    const BoardButton* b = nullptr;
    switch (button) {
        case Button::Command1: b = &s.Command1[index]; break;
        case Button::Command2: b = &s.Command2[index]; break;
        case Button::Command3: b = &s.Command3[index]; break;
        case Button::Command4: b = &s.Command4[index]; break;
        case Button::Command5: b = &s.Command5; break;
    }
    return b->Visible && b->Enabled;
}

// ---------------------------------------------------------------- moves

bool Game::click(Button button, int index) {
    if (!offers(button, index)) return false;
    switch (button) {
        case Button::Command1: dropChip(index); break;
        case Button::Command2: shiftRail(index, -1); break;
        case Button::Command3: shiftRail(index, +1); break;
        case Button::Command4: turnDrum(index); break;
        case Button::Command5: pass(); break;
    }
    return true;
}

void Game::dropChip(int k) {
    GameState& s = state_;
    s.freshGame = 0;
    Sou2(static_cast<int>(Sound::Click));
    if (s.dropInTurn == 0) {
        s.dropInTurn = 1;
        s.Command5.Visible = true;
    }
    for (int colour : {kBlue, kRed}) {
        if (s.turnColour != colour) continue;
        Value& dropped = s.dropped(colour);
        if (dropped < 0 || dropped >= kChipsPerColour) continue;  // no chip left to drop
        ChipPicture& chip = s.chips(colour)[dropped];
        chip.Left = float(kDropLeft0 + kCell * k);
        chip.Top = float(kChipTop0);
        ++dropped;
    }
    butu();
    butp();
}

void Game::shiftRail(int r, int direction) {
    GameState& s = state_;
    s.freshGame = 0;
    Sou2(static_cast<int>(Sound::Reika));
    s.dropInTurn = 0;
    s.Command5.Visible = false;
    (direction < 0 ? s.Timer1 : s.Timer2).Enabled = true;
    s.movingRail = r;
    s.lastMoved = r;
    butu();
    s.railShift[r] += direction;
    // Cells copy one place along; the far end keeps its (slack) value.
    if (direction < 0) {
        for (int p = 1; p < kRailPositions; ++p) s.railCells[p - 1][r] = s.railCells[p][r];
    } else {
        for (int p = kRailPositions - 2; p >= 0; --p) s.railCells[p + 1][r] = s.railCells[p][r];
    }
}

void Game::turnDrum(int i) {
    GameState& s = state_;
    s.freshGame = 0;
    Sou2(static_cast<int>(Sound::Baraban));
    s.dropInTurn = 0;
    s.Command5.Visible = false;
    if (i == 0 || i == 2) {
        s.drumPos -= 1;
        if (s.drumPos == -1) s.drumPos = 2;
        s.Image3Picture = s.drumPos;
    }
    if (i == 1 || i == 3) {
        s.drumPos += 1;
        if (s.drumPos == 3) s.drumPos = 0;
        s.Image3Picture = s.drumPos;
    }
    s.lastMoved = kDrumLastMoved;
    butu();
    butp();
}

void Game::pass() {
    GameState& s = state_;
    Sou2(static_cast<int>(Sound::Click));
    s.dropInTurn = 0;
    s.Command5.Visible = false;
    butu();
    butp();
}

void Game::resumeTurnAfterDrop() {
    if (state_.animating()) return;
    state_.dropInTurn = 1;
    state_.Command5.Visible = true;
}

void Game::restore(const GameState& state) {
    stopAnimation();
    GameState taken = state;
    taken.soundOff = state_.soundOff;
    taken.SonChecked = state_.SonChecked;
    taken.bgFile = std::move(state_.bgFile);
    state_ = std::move(taken);
}

// ---------------------------------------------------------------- options and files

void Game::sonClick() {
    state_.SonChecked = !state_.SonChecked;
    state_.soundOff = state_.SonChecked ? 0 : 1;
}

void Game::Sou2(int n) {
    if (state_.soundOff != 0) return;
    if (n < 0 || n > static_cast<int>(Sound::Reika)) return;
    host_.playSound(static_cast<Sound>(n));
}

bool Game::open(const std::function<bool(GameState&)>& readInto) {
    GameState before = state_;
    stopAnimation();
    nov();
    if (!readInto(state_) || !chipsFitGrid(state_)) {
        state_ = std::move(before);
        return false;
    }
    butp();
    // A game saved mid-slide or mid-fall moves on first, with no move offered, as in play; the
    // end of the animation offers the next moves.
    if (state_.animating()) hideBoardButtons();
    showScores();
    showTurn();
    state_.Image3Picture = state_.drumPos;
    return true;
}

}  // namespace reikoboy
