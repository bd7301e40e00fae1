// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The real main window on the offscreen platform: its controls, clicks, hints, menus,
// background, settings and sound requests.
#include <QAction>
#include <QMouseEvent>
#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QResizeEvent>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "GifSample.h"
#include "MetafileSamples.h"
#include "UiTestSupport.h"
#include "sound/SoundPlayer.h"
#include "ui/board/BoardSurface.h"
#include "ui/board/PictureButton.h"

namespace reikoboy::testing {
namespace {

QRect placeOf(const Form1& w, const QString& name) {
    QWidget* c = control(w, name);
    return c ? QRect(c->mapTo(w.surface(), QPoint(0, 0)), c->size()) : QRect();
}

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override { storeSettings({}, {}); }
};

TEST_F(Form1Test, EveryControlStandsWhereTheDesignPutsIt) {
    Form1 w;
    w.show();
    EXPECT_EQ(w.windowTitle(), "Рейкобой");
    EXPECT_EQ(w.surface()->size(), QSize(634, 408));
    EXPECT_EQ(w.surface()->mapTo(&w, QPoint(0, 0)).y(), w.menuBar()->height());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(placeOf(w, QStringLiteral("Command1_%1").arg(k)), QRect(180 + 40 * k, 40, 33, 33));
    for (int r = 0; r < 6; ++r) {
        EXPECT_EQ(placeOf(w, QStringLiteral("Command2_%1").arg(r)), QRect(8, 80 + 40 * r, 33, 33));
        EXPECT_EQ(placeOf(w, QStringLiteral("Command3_%1").arg(r)), QRect(592, 80 + 40 * r, 33, 33));
        EXPECT_EQ(placeOf(w, QStringLiteral("Image1_%1").arg(r)), QRect(56, 80 + 40 * r, 520, 32));
    }
    EXPECT_EQ(placeOf(w, "Command4_0"), QRect(464, 320, 33, 33));
    EXPECT_EQ(placeOf(w, "Command4_1"), QRect(464, 352, 33, 33));
    EXPECT_EQ(placeOf(w, "Command4_2"), QRect(136, 320, 33, 33));
    EXPECT_EQ(placeOf(w, "Command4_3"), QRect(136, 352, 33, 33));
    EXPECT_EQ(placeOf(w, "Command5"), QRect(272, 24, 89, 17));
    EXPECT_EQ(placeOf(w, "Label1"), QRect(200, 0, 233, 25));
    EXPECT_EQ(placeOf(w, "Label2"), QRect(0, 24, 193, 33));
    EXPECT_EQ(placeOf(w, "Label3"), QRect(440, 24, 193, 33));
    EXPECT_EQ(placeOf(w, "Image3"), QRect(176, 320, 280, 64));
    EXPECT_EQ(placeOf(w, "StatusBar1"), QRect(0, 391, 634, 17));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(placeOf(w, QStringLiteral("Image5_%1").arg(i)), QRect(176 - 24 * i, 0, 23, 23));
        EXPECT_EQ(placeOf(w, QStringLiteral("Image6_%1").arg(i)), QRect(440 + 24 * i, 0, 23, 23));
    }
    EXPECT_FALSE(control(w, "Command5")->isVisible());
    EXPECT_EQ(control<QLabel>(w, "Label1")->text(), "Ходят синии фишки");
    EXPECT_EQ(control<QLabel>(w, "Label2")->text(), "0");
    EXPECT_EQ(control<QLabel>(w, "StatusBar1Panel2")->text(), "25.12.02");
    EXPECT_EQ(control<QLabel>(w, "Label3")->palette().color(QPalette::WindowText), QColor(0xC0, 0, 0));
    EXPECT_EQ(control<QLabel>(w, "Label1")->font().pointSizeF(), 15.75);
    // The window names its face outright: the same one, at the same sizes, as before.
    const QFontInfo face(QApplication::font()), menus(w.menuBar()->font());
    EXPECT_EQ(menus.family(), face.family());
    EXPECT_EQ(menus.pointSizeF(), face.pointSizeF());
    EXPECT_EQ(QFontInfo(control(w, "StatusBar1Panel2")->font()).family(), face.family());
}

TEST_F(Form1Test, DrawingOrderPutsButtonsOverChipsOverRails) {
    Form1 w;
    QObjectList order = w.surface()->children();  // later children are drawn on top
    auto depth = [&](const char* name) { return order.indexOf(w.findChild<QObject*>(name)); };
    std::vector<const char*> backToFront = {"Label2", "Label3", "Image1_0", "Image3", "Image5_0",
                                            "Image6_0", "Label1", "Command1_0", "Command5"};
    for (size_t i = 1; i < backToFront.size(); ++i)
        EXPECT_LT(depth(backToFront[i - 1]), depth(backToFront[i]))
            << backToFront[i - 1] << " should lie behind " << backToFront[i];
}

TEST_F(Form1Test, ClicksPlayAShiftAndItsFallsToTheSettledBoard) {
    Form1 w;
    w.show();
    click(w, "Command1_3");
    EXPECT_EQ(placeOf(w, "Image5_0"), QRect(304, 97, 23, 23));
    EXPECT_TRUE(control(w, "Command5")->isVisible());
    click(w, "Command3_1");
    EXPECT_EQ(control<QLabel>(w, "Label1")->text(), "Ходят красные фишки");
    EXPECT_FALSE(control(w, "Command1_1")->isVisible()) << "no button while the board moves";
    settle(w);
    EXPECT_EQ(placeOf(w, "Image1_1"), QRect(96, 120, 520, 32));
    EXPECT_EQ(placeOf(w, "Image5_0"), QRect(304, 177, 23, 23));
    auto* barred = control<PictureButton>(w, "Command2_1");
    EXPECT_TRUE(barred->isVisible());
    EXPECT_EQ(barred->face(), PictureButton::Face::Disabled);
    QTest::mouseClick(barred, Qt::LeftButton);  // a disabled button ignores clicks
    EXPECT_FALSE(w.game().state().animating());
    EXPECT_EQ(control<PictureButton>(w, "Command2_0")->face(), PictureButton::Face::Normal);
}

// The mouse as the platform delivers it: to the topmost control under the pointer that
// takes mouse input, passed on to its parents while nobody accepts it.
void moveMouseTo(const Form1& w, QPoint p) {
    QWidget* surface = w.surface();
    QWidget* target = surface->childAt(p);
    if (!target) target = surface;
    QPointF local = target->mapFrom(surface, p);
    QMouseEvent move(QEvent::MouseMove, local, surface->mapToGlobal(QPointF(p)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

TEST_F(Form1Test, StatusBarExplainsTheButtonUnderTheMouse) {
    Form1 w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto moveTo = [&](QPoint p) { moveMouseTo(w, p); };
    moveTo({236, 56});
    EXPECT_EQ(w.hint(), "Нажмите чтобы бросить фишку в эту ячейку.");
    moveTo({300, 130});  // a rail takes no mouse input: the bare surface clears the hint
    EXPECT_EQ(w.hint(), "");
    moveTo({20, 140});
    EXPECT_EQ(w.hint(), "Нажмите что бы передвинуть эту рейку влево.");
    moveTo({180, 10});  // onto a chip in the stock: the hint stays
    EXPECT_EQ(w.hint(), "Нажмите что бы передвинуть эту рейку влево.");
    moveTo({600, 100});
    EXPECT_EQ(w.hint(), "Нажмите что бы передвинуть эту рейку вправо.");
    moveTo({150, 330});
    EXPECT_EQ(w.hint(), "Нажмите чтобы крутануть барабан вверх.");
    moveTo({480, 370});
    EXPECT_EQ(w.hint(), "Нажмите чтобы крутануть барабан вниз.");
    moveTo({100, 35});  // a score label keeps it too
    EXPECT_EQ(w.hint(), "Нажмите чтобы крутануть барабан вниз.");
    moveTo({300, 350});  // the drum picture passes the mouse to the surface
    EXPECT_EQ(w.hint(), "");
    click(w, "Command1_3");  // the pass button is offered after a drop
    moveTo({300, 30});
    EXPECT_EQ(w.hint(), "Нажмите если хотите передать ход сопернику.");
    moveTo({340, 34});
    EXPECT_EQ(w.hint(), "Нажмите если хотите передать ход сопернику.");
}

TEST_F(Form1Test, FunctionKeyTwoStartsANewGame) {
    Form1 w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    click(w, "Command1_3");
    QTest::keyClick(&w, Qt::Key_F2);
    EXPECT_EQ(placeOf(w, "Image5_0"), QRect(168, 0, 23, 23));
    EXPECT_EQ(control<QLabel>(w, "Label1")->text(), "Ходят синие фишки");
    auto shortcut = [&](const char* name) { return w.findChild<QAction*>(name)->shortcut(); };
    EXPECT_EQ(shortcut("Vhelp"), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(shortcut("Op"), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(shortcut("Sa"), QKeySequence(Qt::Key_F4));
    QStringList captions;
    for (QAction* a : w.menuBar()->actions()) captions << a->text();
    EXPECT_EQ(captions, (QStringList{"&Файл", "&Ход", "&Сеть", "&Параметры", "&Справка"}));
}

// A 200 x 100 picture: red on the left half, blue on the right.
QImage twoColourPicture() {
    QImage picture(200, 100, QImage::Format_RGB32);
    QPainter p(&picture);
    p.fillRect(0, 0, 100, 100, Qt::red);
    p.fillRect(100, 0, 100, 100, Qt::blue);
    return picture;
}

TEST_F(Form1Test, BackgroundIsStretchedOverTheWholeAreaWhateverTheFormat) {
    for (const char* format : {"PNG", "JPEG", "BMP", "GIF"}) {
        QString file = QStringLiteral("background-%1.ris").arg(QLatin1String(format));
        if (QByteArray(format) == "GIF") {
            QFile gif(file);
            ASSERT_TRUE(gif.open(QIODevice::WriteOnly));
            gif.write(twoColourGif());
        } else {
            ASSERT_TRUE(twoColourPicture().save(file, format));
        }
        storeSettings(QDir::current().absoluteFilePath(file), {});
        Form1 w;
        w.show();
        QImage shown = w.surface()->grab().toImage();
        ASSERT_EQ(shown.size(), QSize(634, 408)) << format;
        EXPECT_GT(QColor(shown.pixel(5, 200)).red(), 200) << format;
        EXPECT_GT(QColor(shown.pixel(300, 395)).red(), 200) << format << ": under the status bar too";
        EXPECT_GT(QColor(shown.pixel(330, 5)).blue(), 200) << format;
        EXPECT_GT(QColor(shown.pixel(630, 200)).blue(), 200) << format;
    }
}

TEST_F(Form1Test, MetafilesAreDrawnByTheHelperAndStretched) {
    for (auto [name, bytes] : {std::pair{"picture-wmf.ris", twoColourWmf()},
                               std::pair{"picture-emf.ris", twoColourEmf()}}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        storeSettings(QDir::current().absoluteFilePath(name), {});
        Form1 w;
        w.show();
        waitForBackground(w);
        QImage shown = w.surface()->grab().toImage();
        // Two spots of bare background, between the rails' ends and their buttons.
        EXPECT_GT(QColor(shown.pixel(48, 300)).red(), 200) << name;
        EXPECT_LT(QColor(shown.pixel(48, 300)).blue(), 60) << name;
        EXPECT_GT(QColor(shown.pixel(584, 300)).blue(), 200) << name;
        EXPECT_LT(QColor(shown.pixel(584, 300)).red(), 60) << name;
    }
}

TEST_F(Form1Test, ABrokenMetafileIsNoPictureAndTheGameGoesOn) {
    QByteArray broken = twoColourEmf().left(60) + QByteArray(5000, '\xff');
    QFile file("broken.emf");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(broken);
    file.close();
    storeSettings(QDir::current().absoluteFilePath("broken.emf"), {});
    Form1 w;
    w.show();
    waitForBackground(w);
    EXPECT_TRUE(w.surface()->background().isNull());
    click(w, "Command1_3");
    EXPECT_EQ(w.game().state().Image5[0].Top, 97);
}

TEST_F(Form1Test, ADeletedBackgroundPaintsNothingNewAndSaysNothing) {
    ASSERT_TRUE(twoColourPicture().save("gone.png"));
    storeSettings(QDir::current().absoluteFilePath("gone.png"), {});
    Form1 w;
    w.show();
    qint64 before = w.surface()->background().cacheKey();
    ASSERT_FALSE(w.surface()->background().isNull());
    QFile::remove("gone.png");
    QResizeEvent resize(w.size(), w.size());
    QApplication::sendEvent(&w, &resize);
    EXPECT_EQ(w.surface()->background().cacheKey(), before) << "keeps what it showed";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    w.close();
    REIKOBOY_STORE(s);
    EXPECT_EQ(s.value("Settings/Фон").toString(), QDir::current().absoluteFilePath("gone.png"));
}

TEST_F(Form1Test, SettingsAreReadAtStartAndWrittenOnClose) {
    storeSettings({}, "1");
    {
        Form1 w;
        EXPECT_FALSE(w.findChild<QAction*>("Son")->isChecked());
        w.findChild<QAction*>("Son")->trigger();
        EXPECT_TRUE(w.findChild<QAction*>("Son")->isChecked());
        w.findChild<QAction*>("Son")->trigger();
        w.close();
    }
    REIKOBOY_STORE(s);
    EXPECT_EQ(s.value("Settings/&Звук").toString(), "1");
    EXPECT_TRUE(s.contains("Settings/Фон"));
    EXPECT_EQ(s.value("Settings/Фон").toString(), "");
    storeSettings({}, "nonsense");
    Form1 again;
    EXPECT_TRUE(again.findChild<QAction*>("Son")->isChecked());
}

TEST_F(Form1Test, SoundRequestsReachThePlayerOnlyWhileSoundIsOn) {
    Form1 w;
    w.show();
    click(w, "Command1_3");
    EXPECT_EQ(w.soundPlayer().playCount(), 1);
    EXPECT_EQ(w.soundPlayer().lastPlayed(), 0);
    click(w, "Command4_1");
    EXPECT_EQ(w.soundPlayer().lastPlayed(), 2);
    w.findChild<QAction*>("Son")->trigger();
    click(w, "Command1_1");
    EXPECT_EQ(w.soundPlayer().playCount(), 2);
}

TEST_F(Form1Test, ScreenshotOfTheBoard) {
    Form1 w;
    w.show();
    click(w, "Command1_3");
    click(w, "Command1_1");
    QString where = QString::fromLocal8Bit(qgetenv("REIKOBOY_SCREENSHOT"));
    QImage shot = w.grab().toImage();
    EXPECT_FALSE(shot.isNull());
    if (!where.isEmpty()) {
        EXPECT_TRUE(shot.save(where));
    }
}

}  // namespace
}  // namespace reikoboy::testing
