// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What a stranger's announcement may put in front of the player: names with control and
// direction characters, endless names, bytes that are not UTF-8, and entries not of our game.
#include <gtest/gtest.h>

#include <QList>

#include <string>
#include <vector>

#include "net/DiscoveredName.h"

using namespace reikoboy::net;

TEST(DiscoveredName, KeepsAnOrdinaryName) {
    EXPECT_EQ(discoveredName("Анна"), QStringLiteral("Анна"));
    EXPECT_EQ(discoveredName("Игрок 2 🎲"), QStringLiteral("Игрок 2 🎲"));
}

TEST(DiscoveredName, DropsControlFormatAndLineCharacters) {
    // A terminal escape, a newline pretending to be a second line, a right-to-left override
    // that would show the name backwards, a zero-width joiner and DEL and C1 characters.
    const std::string hostile = "\x1b[31mАнна\nВторая строка\u202Eанна\u200D\x7f\u0085\u2028!";
    const QString shown = discoveredName(hostile);
    EXPECT_EQ(shown, QStringLiteral("[31mАннаВторая строкаанна!"));
    for (QChar c : shown) {
        EXPECT_NE(c.category(), QChar::Other_Control);
        EXPECT_NE(c.category(), QChar::Other_Format);
    }
}

TEST(DiscoveredName, CutsLongNamesToThirtyTwoCharactersNotBytes) {
    std::string longName;
    for (int i = 0; i < 200; ++i) longName += "Ж";
    EXPECT_EQ(discoveredName(longName), QString(kMaxDiscoveredName, QChar(u'Ж')));
    // Four-byte characters are counted once, and never cut in half.
    std::string dice;
    for (int i = 0; i < 40; ++i) dice += "🎲";
    const QString shown = discoveredName(dice);
    EXPECT_EQ(shown.toUcs4().size(), kMaxDiscoveredName);
    EXPECT_FALSE(shown.contains(QChar(QChar::ReplacementCharacter)));
}

TEST(DiscoveredName, DropsBytesThatAreNotUtf8) {
    // A stray continuation byte, an overlong '/', an encoded surrogate, a cut-off character,
    // bytes that never occur and a NUL.
    const std::string broken = std::string("\x80""Ан\xc0\xaf""на\xed\xa0\x80") + std::string("\0", 1) +
                               "\xff\xfe!\xd0";
    EXPECT_EQ(discoveredName(broken), QStringLiteral("Анна!"));
}

TEST(DiscoveredName, FoldsSpacesAndMayEndEmpty) {
    EXPECT_EQ(discoveredName("  Анна \t  Петровна  "), QStringLiteral("Анна Петровна"));
    EXPECT_EQ(discoveredName("\x01\x02\n\t "), QString());
    // A space just before the limit is not left dangling at the end.
    EXPECT_EQ(discoveredText("abc def", 4), QStringLiteral("abc"));
}

TEST(AnnouncedPlayerName, ListsOnlyTheFirstVersionOfOurAnnouncement) {
    EXPECT_EQ(announcedPlayerName({"v=1", "name=Анна"}), QStringLiteral("Анна"));
    EXPECT_EQ(announcedPlayerName({"NAME=Анна", "V=1"}), QStringLiteral("Анна"));
    EXPECT_EQ(announcedPlayerName({"v=1"}), QString());
    EXPECT_EQ(announcedPlayerName({"v=1", "name=\x1b]0;x\x07Анна"}), QStringLiteral("]0;xАнна"));
    EXPECT_FALSE(announcedPlayerName({}));
    EXPECT_FALSE(announcedPlayerName({"v=2", "name=Анна"}));
    EXPECT_FALSE(announcedPlayerName({"v", "name=Анна"}));
    EXPECT_FALSE(announcedPlayerName({"v=1 ", "name=Анна"}));
    // The first of a key counts, as DNS-SD has it.
    EXPECT_FALSE(announcedPlayerName({"v=2", "v=1", "name=Анна"}));
    EXPECT_EQ(announcedPlayerName({"v=1", "name=Анна", "name=Борис"}), QStringLiteral("Анна"));
}

TEST(ServiceInstanceName, FitsOneDnsLabelOnACharacterBoundary) {
    EXPECT_EQ(serviceInstanceName(QStringLiteral("Анна")), "Рейкобой: Анна");
    const std::string name = serviceInstanceName(QString(kMaxDiscoveredName, QChar(u'Ж')));
    EXPECT_LE(name.size(), 63u);
    EXPECT_EQ(discoveredText(name, 100).toStdString(), name);  // still whole UTF-8
    EXPECT_EQ(name.rfind("Рейкобой: ЖЖЖ", 0), 0u);
}
