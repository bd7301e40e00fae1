// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A stranger guessing the code: five wrong codes and the address waits a minute; others do not.
#include <gtest/gtest.h>

#include <string>

#include "net/Doorkeeper.h"

using namespace reikoboy::net;

TEST(Doorkeeper, FiveWrongCodesRefuseThatAddressForAMinute) {
    Doorkeeper door;
    Millis now = 1000;
    for (int i = 0; i < 4; ++i) {
        door.wrongCode("127.0.0.2", now += 100);
        EXPECT_FALSE(door.refused("127.0.0.2", now));
    }
    door.wrongCode("127.0.0.2", now += 100);
    EXPECT_TRUE(door.refused("127.0.0.2", now));
    EXPECT_FALSE(door.refused("127.0.0.1", now));
    door.wrongCode("127.0.0.2", now + 30000);  // guesses while refused change nothing
    EXPECT_TRUE(door.refused("127.0.0.2", now + 59999));
    EXPECT_FALSE(door.refused("127.0.0.2", now + 60000));
    // A fresh count afterwards.
    door.wrongCode("127.0.0.2", now + 60000);
    EXPECT_FALSE(door.refused("127.0.0.2", now + 60001));
}

TEST(Doorkeeper, TheRightCodeForgetsEarlierGuesses) {
    Doorkeeper door;
    for (int i = 0; i < 4; ++i) door.wrongCode("::1", i);
    door.rightCode("::1");
    door.wrongCode("::1", 10);
    EXPECT_FALSE(door.refused("::1", 11));
}

TEST(Doorkeeper, ACrowdOfAddressesCannotPushOutOneThatIsRefused) {
    Doorkeeper door;
    for (int i = 0; i < 5; ++i) door.wrongCode("guesser", i);
    for (int i = 0; i < 5000; ++i) door.wrongCode("crowd-" + std::to_string(i), 100 + i);
    EXPECT_TRUE(door.refused("guesser", 6000));
}
