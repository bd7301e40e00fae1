// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Whatever the background setting, the help pages or the settings file name, the window
// starts, plays and closes: pictures are decoded in the game only in the formats it knows,
// a metafile arrives later from its helper, and devices, FIFOs and folders are no files.
#include <sys/resource.h>
#include <sys/stat.h>

#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include "MetafileSamples.h"
#include "UiTestSupport.h"
#include "persist/Settings.h"
#include "ui/pictures/PictureFile.h"
#include "ui/pictures/PictureGate.h"
#include "ui/windows/Form2.h"

namespace reikoboy::testing {
namespace {

bool writeFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray encoded(const char* format) {
    QImage picture(16, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(picture.save(&buffer, format)) << format;
    return buffer.data();
}

// An SVG whose picture is itself: decoded in the game it recursed until the stack ran out.
const QByteArray kSelfSvg =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
    "width=\"10\" height=\"10\"><image xlink:href=\"self.ris\" width=\"10\" height=\"10\"/></svg>";

PictureRoute routeOf(const QByteArray& bytes) {
    return choosePictureRoute(std::string_view(bytes.constData(), size_t(bytes.size()))).route;
}

class HostileFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        storeSettings({}, {});
        ASSERT_EQ(::mkfifo("fifo", 0600), 0);
    }
    void TearDown() override { QFile::remove("fifo"); }
};

TEST_F(HostileFilesTest, OnlyTheKnownRasterFormatsAreDecodedInTheGame) {
    for (const char* format : {"PNG", "JPEG", "BMP"}) {
        QByteArray bytes = encoded(format);
        EXPECT_EQ(routeOf(bytes), PictureRoute::Decode) << format;
        EXPECT_FALSE(decodeRasterPicture(bytes).isNull()) << format;
    }
    EXPECT_EQ(routeOf("GIF89a\x10\x00\x08\x00"), PictureRoute::Decode);
    EXPECT_EQ(routeOf(twoColourWmf()), PictureRoute::Metafile);
    EXPECT_EQ(routeOf(twoColourEmf()), PictureRoute::Metafile);
    // Formats Qt or its plugins could read, but the game does not decode.
    for (const QByteArray& other : {kSelfSvg, encoded("XPM"), encoded("PPM"), QByteArray("BM")}) {
        EXPECT_EQ(routeOf(other), PictureRoute::Refuse) << other.left(20).toStdString();
        EXPECT_TRUE(decodeRasterPicture(other).isNull());
    }
    ASSERT_TRUE(writeFile("self.ris", kSelfSvg));
    EXPECT_TRUE(readPictureFile("self.ris", {634, 408}).isNull());
}

TEST_F(HostileFilesTest, APictureCutShortIsRefused) {
    QFile wood(REIKOBOY_DATA_DIR "/pictures/backgrounds/wood.ris"),
        night(REIKOBOY_DATA_DIR "/pictures/backgrounds/night.ris");
    ASSERT_TRUE(wood.open(QIODevice::ReadOnly) && night.open(QIODevice::ReadOnly));
    for (const QByteArray& whole : {wood.readAll(), night.readAll(), encoded("BMP"), encoded("PNG")}) {
        const std::string format = choosePictureRoute(whole.toStdString()).format;
        EXPECT_FALSE(decodeRasterPicture(whole).isNull()) << format;
        // A PNG without its last bytes still holds every pixel: the decoder sees the rest.
        for (qsizetype cut : {whole.size() / 2, whole.size() - (format == "png" ? whole.size() / 2 : 2)})
            EXPECT_TRUE(decodeRasterPicture(whole.left(cut)).isNull()) << format << " cut at " << cut;
    }
    wood.seek(0);
    ASSERT_TRUE(writeFile("cut.jpg", wood.read(wood.size() * 2 / 3)));
    EXPECT_TRUE(readPictureFile("cut.jpg", {634, 408}).isNull());
}

TEST_F(HostileFilesTest, NoBackgroundSettingStopsTheStart) {
    ASSERT_TRUE(writeFile("self.ris", kSelfSvg));
    ASSERT_TRUE(writeFile("fifo.svg", QByteArray(kSelfSvg).replace("self.ris", "fifo")));
    ASSERT_TRUE(QDir().mkpath("folder.ris"));
    for (QString name : {"self.ris", "fifo.svg", "fifo", "/dev/zero", "/dev/urandom", "folder.ris"}) {
        QString stored = name.startsWith('/') ? name : QDir::current().absoluteFilePath(name);
        storeSettings(stored, {});
        Form1 w;
        w.show();
        waitForBackground(w);
        EXPECT_TRUE(w.surface()->background().isNull()) << name.toStdString();
        click(w, "Command1_3");
        EXPECT_EQ(w.game().state().Image5[0].Top, 97) << name.toStdString();
        w.findChild<QAction*>("Nova")->trigger();  // closing then asks nothing
        w.close();
        REIKOBOY_STORE(s);
        EXPECT_EQ(s.value("Settings/Фон").toString(), stored) << "kept for the next start";
    }
}

TEST_F(HostileFilesTest, TheWindowDoesNotWaitForTheMetafileHelper) {
    ASSERT_TRUE(writeFile("later.wmf", twoColourWmf()));
    storeSettings(QDir::current().absoluteFilePath("later.wmf"), {});
    Form1 w;
    w.show();
    EXPECT_TRUE(w.surface()->pictureArriving()) << "the helper works while the window is up";
    EXPECT_TRUE(w.surface()->background().isNull());
    click(w, "Command1_3");  // the game is playable meanwhile
    waitForBackground(w);
    EXPECT_FALSE(w.surface()->background().isNull()) << "and the picture follows";

    // A picture shown while the helper still works is not painted over when it delivers.
    w.surface()->showPictureFile(QDir::current().absoluteFilePath("later.wmf"));
    ASSERT_TRUE(w.surface()->pictureArriving());
    QImage green(8, 8, QImage::Format_RGB32);
    green.fill(Qt::green);
    w.surface()->setBackground(green);
    QTest::qWait(1500);
    EXPECT_EQ(w.surface()->background().toImage().pixelColor(300, 200), QColor(Qt::green));
}

TEST_F(HostileFilesTest, TheMetafileHelperStaysWithinItsMemory) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs more address space than the helper allows";
#endif
    // Millions of SaveDC records: each keeps a copy of the drawing state.
    Bytes records;
    for (int i = 0; i < 5'000'000; ++i) records.u32(3).u16(0x001E);
    records.u32(3).u16(0);
    Bytes head;
    head.u16(1).u16(9).u16(0x0300).u32(quint32((18 + records.bytes.size()) / 2)).u16(0).u32(3).u16(0);
    QProcess helper;
    helper.start(QCoreApplication::applicationDirPath() + "/reikoboy-metafile", {"634", "408"});
    ASSERT_TRUE(helper.waitForStarted());
    // While it waits for its input, its limits can be read: CPU time as well as memory.
    QByteArray limits;
    for (int tries = 0; tries < 200 && !limits.contains("536870912"); ++tries) {
        QTest::qWait(10);
        QFile proc(QStringLiteral("/proc/%1/limits").arg(helper.processId()));
        if (proc.open(QIODevice::ReadOnly)) limits = proc.readAll();
    }
    EXPECT_TRUE(QRegularExpression("Max cpu time +2 +3 +seconds").match(QString::fromLatin1(limits)).hasMatch())
        << limits.toStdString();
    EXPECT_TRUE(QRegularExpression("Max address space +536870912 +536870912").match(QString::fromLatin1(limits)).hasMatch())
        << limits.toStdString();
    helper.write(head.bytes + records.bytes);
    helper.closeWriteChannel();
    ASSERT_TRUE(helper.waitForFinished(60000));
    EXPECT_FALSE(helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 0)
        << "a picture of nothing but saved states is no picture";
    rusage children {};
    ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &children), 0);
    EXPECT_LT(children.ru_maxrss, 560L * 1024) << "kilobytes at the most of any helper";
}

TEST_F(HostileFilesTest, TheMetafileHelperStopsItselfOnAnEndlessPicture) {
    // A stretched bitmap whose header claims 19 bytes: the metafile library loops on it for ever.
    Bytes stretch;
    stretch.u32(0x00CC0020);
    for (qint16 v : {4, 4, 0, 0, 100, 100, 0, 0}) stretch.i16(v);
    stretch.u32(19).i32(4).i32(4).u16(1).u16(24);
    for (int i = 0; i < 6; ++i) stretch.u32(0);
    stretch.bytes += QByteArray(64, '\0');
    Bytes records;
    records.u32(5).u16(0x020B).i16(0).i16(0);
    records.u32(5).u16(0x020C).i16(100).i16(100);
    records.u32(quint32(3 + stretch.bytes.size() / 2)).u16(0x0B41);
    records.bytes += stretch.bytes;
    records.u32(3).u16(0);
    Bytes head;
    head.u16(1).u16(9).u16(0x0300).u32(quint32((18 + records.bytes.size()) / 2)).u16(0);
    head.u32(quint32(3 + stretch.bytes.size() / 2)).u16(0);
    QProcess helper;
    helper.start(QCoreApplication::applicationDirPath() + "/reikoboy-metafile", {"634", "408"});
    ASSERT_TRUE(helper.waitForStarted());
    helper.write(head.bytes + records.bytes);
    helper.closeWriteChannel();
    ASSERT_TRUE(helper.waitForFinished(30000)) << "its CPU time limit ends it";
    EXPECT_EQ(helper.exitStatus(), QProcess::CrashExit);
}

TEST_F(HostileFilesTest, HelpPagesReadOnlyRegularFiles) {
    ASSERT_TRUE(writeFile("self.svg", kSelfSvg));
    ASSERT_TRUE(writeFile("index.htm",
                          "<html><body><p>Первая страница</p><img src=\"/dev/zero\"><img src=\"fifo\">"
                          "<img src=\"self.svg\"><img src=\"red.png\"></body></html>"));
    ASSERT_TRUE(writeFile("red.png", encoded("PNG")));
    Form1 w;
    Form2 help(&w);
    help.show();
    help.grab();  // lays the page out, so its pictures are read
    QTextBrowser* browser = help.browser();
    EXPECT_TRUE(browser->toPlainText().contains("Первая страница"));
    auto image = [&](const char* name) {
        return browser->loadResource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
    };
    // What cannot be shown is a transparent dot: the page leaves a gap and reads nothing else.
    EXPECT_EQ(image("/dev/zero").size(), QSize(1, 1));
    EXPECT_EQ(image("fifo").size(), QSize(1, 1));
    EXPECT_EQ(image("self.svg").size(), QSize(1, 1));
    EXPECT_EQ(image("red.png").size(), QSize(16, 8));
    browser->setSource(QUrl("fifo"));                        // a link to a FIFO: nothing to show
    browser->setSource(QUrl::fromLocalFile("/dev/zero"));    // nor to a device
    help.findChild<QPushButton*>("Command1")->click();
    QFile::remove("index.htm");
}

TEST_F(HostileFilesTest, AnOversizedSettingsFileIsIgnoredAndWrittenAfresh) {
    {
        REIKOBOY_STORE(s);
        ASSERT_EQ(s.fileName().toStdString(), settingsFileName().toStdString());
    }
    QByteArray huge = "[Settings]\n&%U0417%U0432%U0443%U043A=1\n";
    huge += "Filler=" + QByteArray(2 << 20, 'x') + "\n";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(settingsFileName()).path()));
    ASSERT_TRUE(writeFile(settingsFileName(), huge));
    {
        Form1 w;
        EXPECT_TRUE(w.findChild<QAction*>("Son")->isChecked()) << "as if there were no settings";
        w.close();
    }
    EXPECT_LT(QFileInfo(settingsFileName()).size(), 1000);
    REIKOBOY_STORE(s);
    EXPECT_EQ(s.value("Settings/&Звук").toString(), "0");
    EXPECT_FALSE(s.contains("Settings/Filler"));

    // A FIFO in its place is no store either: the game neither waits on it nor replaces it.
    ASSERT_TRUE(QFile::remove(settingsFileName()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(settingsFileName()).constData(), 0600), 0);
    {
        Form1 w;
        EXPECT_TRUE(w.findChild<QAction*>("Son")->isChecked());
        w.close();
    }
    struct stat about {};
    ASSERT_EQ(::stat(QFile::encodeName(settingsFileName()).constData(), &about), 0);
    EXPECT_TRUE(S_ISFIFO(about.st_mode));
    QFile::remove(settingsFileName());
}

}  // namespace
}  // namespace reikoboy::testing
