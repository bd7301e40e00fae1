// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Seeded random games between two players who click any offered button: after every settled
// move the board must be a possible board, and the offered buttons exactly the legal moves.
#include <random>
#include <set>

#include "GameTestSupport.h"

namespace reikoboy::testing {
namespace {

struct Move {
    Button button;
    int index;
};

std::vector<Move> offeredMoves(const Game& game) {
    std::vector<Move> moves;
    for (Button b : {Button::Command1, Button::Command2, Button::Command3, Button::Command4,
                     Button::Command5})
        for (int i = 0; i < buttonCount(b); ++i)
            if (game.offers(b, i)) moves.push_back({b, i});
    return moves;
}

// Occupancy worked out from the chip pictures alone.
struct Occupancy {
    int chips[kColumns][kLevels] = {};
    bool any(int c, int l) const { return chips[c][l] != 0; }
};

Occupancy occupancyOf(const GameState& s) {
    Occupancy o;
    for (int colour : {kBlue, kRed})
        for (int i = 0; i < int(s.dropped(colour)); ++i)
            if (s.out(colour)[i] == 0) ++o.chips[columnOf(s.chips(colour)[i])][levelOf(s.chips(colour)[i])];
    return o;
}

void checkInvariants(const GameState& s, const std::string& where) {
    SCOPED_TRACE(where);
    int outFlags = 0;
    for (int colour : {kBlue, kRed}) {
        for (int i = 0; i < kChipsPerColour; ++i) {
            const ChipPicture& chip = s.chips(colour)[i];
            if (s.out(colour)[i] == 1) {
                ++outFlags;
                EXPECT_TRUE(!chip.Visible && chip.Left == 0 && chip.Top == 0) << "gone chip " << i;
                EXPECT_LT(i, int(s.dropped(colour)));
            } else if (i < int(s.dropped(colour))) {
                int c = columnOf(chip), l = levelOf(chip);
                ASSERT_TRUE(c >= 0 && c < kColumns && l >= 0 && l < kLevels - 1) << "chip " << i;
                EXPECT_EQ(chip.Left, chipLeftAt(c)) << "chip between columns";
                EXPECT_EQ(chip.Top, chipTopAt(l)) << "chip between levels";
                EXPECT_EQ(int(s.railCells[c + 4][l]), 0) << "chip not in a hole";
                bool held = s.railCells[c + 4][l + 1] == 1 || occupancyOf(s).any(c, l + 1);
                EXPECT_TRUE(held) << "chip floating at " << c << "," << l;
                EXPECT_TRUE(chip.Visible);
            } else {
                EXPECT_EQ(chip.Top, 0) << "stock chip moved";
            }
        }
    }
    Occupancy o = occupancyOf(s);
    for (int c = 0; c < kColumns; ++c)
        for (int l = 0; l < kLevels; ++l) EXPECT_LE(o.chips[c][l], 1) << "cell " << c << "," << l;
    for (int r = 0; r < kRails; ++r) {
        int shift = s.railShift[r];
        ASSERT_TRUE(shift >= -3 && shift <= 3);
        EXPECT_EQ(s.Image1[r].Left, railLeftAt(shift));
        for (int p = 0; p < kRailPositions; ++p)
            if (p < 4 + shift || p > 16 + shift) {
                EXPECT_EQ(int(s.railCells[p][r]), 0) << r << "," << p;
            }
    }
    EXPECT_EQ(int(s.chipsOut), outFlags);
}

// The legal moves, worked out from the rules rather than from the buttons.
bool isLegal(const GameState& s, Move m) {
    Occupancy o = occupancyOf(s);
    switch (m.button) {
        case Button::Command1: {
            int c = m.index + 3;
            return s.dropped(s.turnColour) < 8 && s.railCells[c + 4][0] == 0 &&
                   s.railCells[c + 4][1] == 1 && !o.any(c, 0);
        }
        case Button::Command2:
            return s.railShift[m.index] > -3 && !o.any(0, m.index) && s.lastMoved != m.index;
        case Button::Command3:
            return s.railShift[m.index] < 3 && !o.any(12, m.index) && s.lastMoved != m.index;
        case Button::Command4: return s.lastMoved != 6;
        case Button::Command5: return s.dropInTurn == 1;
    }
    return false;
}

void checkOfferedAreLegal(const Game& game, const std::string& where) {
    SCOPED_TRACE(where);
    for (Button b : {Button::Command1, Button::Command2, Button::Command3, Button::Command4,
                     Button::Command5})
        for (int i = 0; i < buttonCount(b); ++i)
            EXPECT_EQ(game.offers(b, i), isLegal(game.state(), {b, i}))
                << "button " << static_cast<int>(b) + 1 << "(" << i << ")";
}

struct Playout {
    int moves = 0;
    bool ended = false;
    std::string question;
};

Playout playRandomGame(unsigned seed, int maxMoves) {
    PlayedGame g;
    std::mt19937 random(seed);
    Playout result;
    for (; result.moves < maxMoves && g.host.questions.empty(); ++result.moves) {
        std::vector<Move> moves = offeredMoves(g.game);
        if (moves.empty()) {
            ADD_FAILURE() << "no move offered";
            break;
        }
        Move m = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(random)];
        EXPECT_TRUE(g.game.click(m.button, m.index));
        g.game.finishAnimation();
        std::string where = "seed " + std::to_string(seed) + " move " + std::to_string(result.moves);
        checkInvariants(g.state(), where);
        checkOfferedAreLegal(g.game, where);
        if (::testing::Test::HasFailure()) break;
    }
    if (!g.host.questions.empty()) {
        result.ended = true;
        result.question = g.host.questions[0];
        const GameState& s = g.state();
        EXPECT_EQ(int(s.chipsOut), 16);
        EXPECT_EQ(s.Label2.Caption, std::to_string(int(s.blueScore)));
        std::string headline = s.blueScore > s.redScore   ? "Выиграли синие фишки!"
                               : s.blueScore < s.redScore ? "Выиграли красные фишки!"
                                                          : "Ничья!";
        EXPECT_EQ(result.question, "Поздравляю! " + headline + "\n\rХотите сыграть ещё?");
    }
    return result;
}

TEST(RandomGames, StayLegalAndEndWithEveryKindOfResult) {
    int ended = 0;
    std::set<std::string> results;
    for (unsigned seed = 1; seed <= 60 && !::testing::Test::HasFailure(); ++seed) {
        Playout p = playRandomGame(seed, 400);
        if (p.ended) {
            ++ended;
            results.insert(p.question.substr(0, p.question.find('\n')));
        }
    }
    EXPECT_GT(ended, 0) << "no random game reached its end";
    EXPECT_EQ(results.size(), 3u) << "blue win, red win and draw should all occur";
}

}  // namespace
}  // namespace reikoboy::testing
