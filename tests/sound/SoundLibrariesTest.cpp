// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The sound libraries are opened at run time: one that is missing, or is some other library
// under the expected name, is refused whole rather than leaving a null function to call.
#include <gtest/gtest.h>

#include "sound/SoundLibraries.h"

namespace reikoboy::testing {
namespace {

TEST(SoundLibrariesTest, AMissingOrWrongLibraryIsRefused) {
    EXPECT_FALSE(loadOpenAl("libreikoboy-no-such-library.so.1").has_value());
    EXPECT_FALSE(loadSndFile("libreikoboy-no-such-library.so.1").has_value());
    EXPECT_FALSE(loadOpenAl("libsndfile.so.1").has_value());
    EXPECT_FALSE(loadSndFile("libopenal.so.1").has_value());
    EXPECT_TRUE(loadSndFile("libsndfile.so.1").has_value());
}

}  // namespace
}  // namespace reikoboy::testing
