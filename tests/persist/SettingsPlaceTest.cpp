// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Where the settings go when the environment names no home: the home the system knows for the
// user, or nowhere at all, never the root of the file system.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "persist/Settings.h"

namespace reikoboy::testing {
namespace {

// Unsets a variable of the environment for the test, and puts it back.
class Unset {
public:
    explicit Unset(const char* name) : name_(name), had_(qEnvironmentVariableIsSet(name)), value_(qgetenv(name)) {
        qunsetenv(name);
    }
    ~Unset() {
        if (had_) qputenv(name_, value_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray value_;
};

TEST(SettingsPlaceTest, WithNoHomeInTheEnvironmentTheSystemsHomeIsUsed) {
    Unset config("XDG_CONFIG_HOME"), home("HOME");
    const passwd* user = ::getpwuid(::geteuid());
    if (!user || !QFileInfo(QFile::decodeName(user->pw_dir)).isDir() || QFileInfo(user->pw_dir).isRoot())
        GTEST_SKIP() << "this user has no home of its own";
    EXPECT_EQ(settingsFileName().toStdString(), std::string(user->pw_dir) + "/.config/Рейкобой/Рейкобой.ini");
}

TEST(SettingsPlaceTest, AUserWithNoHomeKeepsNoSettings) {
    constexpr uid_t kUnknown = 54321;
    if (::geteuid() != 0 || ::getpwuid(kUnknown)) GTEST_SKIP() << "needs root, to be a user the system does not know";
    Unset config("XDG_CONFIG_HOME"), home("HOME");
    ASSERT_EQ(::seteuid(kUnknown), 0);
    const QString name = settingsFileName();
    writeSettings("&Звук", "1", "picture.ris");
    const StoredSettings read = readSettings("&Звук");
    ASSERT_EQ(::seteuid(0), 0);
    EXPECT_EQ(name.toStdString(), "");
    EXPECT_EQ(read.sound.toStdString(), "");
    EXPECT_FALSE(QFile::exists("/.config/Рейкобой/Рейкобой.ini"));
}

}  // namespace
}  // namespace reikoboy::testing
