// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/window/Form1.h"

#include <QApplication>
#include <QFontDatabase>
#include <QSessionManager>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "persist/Settings.h"
#include "sound/SoundPlayer.h"
#include "ui/board/BoardAnnouncer.h"
#include "ui/board/BoardKeyboard.h"
#include "ui/board/BoardNames.h"
#include "ui/board/BoardSurface.h"
#include "ui/board/FocusFrame.h"
#include "ui/board/MoveHint.h"
#include "ui/board/PictureButton.h"
#include "ui/board/PictureControl.h"
#include "ui/pictures/PictureFile.h"
#include "ui/pictures/Pictures.h"
#include "ui/seats/ComputerResult.h"
#include "ui/seats/ComputerTurn.h"
#include "ui/seats/NetworkSide.h"
#include "ui/start/FirstFrame.h"

namespace reikoboy {

namespace {

const char* const kRailPictures[kRails] = {"rail0", "rail1", "rail24", "rail35", "rail24", "rail35"};
constexpr int kButtonSize = 33;
constexpr int kRailHeight = 32;
constexpr int kChipSize = 23;
constexpr QPoint kDrumButtonPlaces[kDrumButtons] = {{464, 320}, {464, 352}, {136, 320}, {136, 352}};

const char* const kHintDrop = QT_TRANSLATE_NOOP("reikoboy::Form1", "Нажмите чтобы бросить фишку в эту ячейку.");
const char* const kHintLeft = QT_TRANSLATE_NOOP("reikoboy::Form1", "Нажмите что бы передвинуть эту рейку влево.");
const char* const kHintRight = QT_TRANSLATE_NOOP("reikoboy::Form1", "Нажмите что бы передвинуть эту рейку вправо.");
const char* const kHintDrumUp = QT_TRANSLATE_NOOP("reikoboy::Form1", "Нажмите чтобы крутануть барабан вверх.");
const char* const kHintDrumDown = QT_TRANSLATE_NOOP("reikoboy::Form1", "Нажмите чтобы крутануть барабан вниз.");
const char* const kHintPass = QT_TRANSLATE_NOOP("reikoboy::Form1", "Нажмите если хотите передать ход сопернику.");

QColor fromBgr(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

int pixel(float position) { return static_cast<int>(std::lrint(position)); }

// The labels' serif face, looked up once: a family that is not installed is searched for again,
// among every font, for each size that asks for it.
const QString& labelFamily() {
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Times New Roman"))
                                      ? QStringLiteral("Times New Roman")
                                      : QStringLiteral("Liberation Serif");
    return family;
}

QLabel* makeLabel(const QString& name, const QString& caption, QRect place, double points,
                  QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font;
    font.setFamily(labelFamily());
    font.setPointSizeF(points);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setMouseTracking(true);
    return label;
}

}  // namespace

const char* const Form1::kPassCaption = QT_TRANSLATE_NOOP("reikoboy::Form1", "&Всё, хватит!");

const char* Form1::kPictureFilter = QT_TRANSLATE_NOOP("reikoboy::Form1",
    "Картинки в поставке|*.Ris|Все графические файлы|*.jpg;*.jpeg;*.gif;*.bmp;*.dib;*.wmf;*.emf;*.ris|"
    "Все файлы|*.*|JPEG Filter|*.jpg;*.jpeg|Формат GIF|*.gif|Точечный рисунок Windows|*.bmp;*.dib|"
    "Метафайлы|*.wmf;*.emf");

Form1::Form1(QWidget* parent) : QMainWindow(parent), game_(*this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(gameTitle());
    // Its text named by the face the application's font comes to rather than by the generic
    // family, which Qt searches every font for again for the Cyrillic of the menus.
    QFont face;
    face.setFamily(QFontInfo(font()).family());
    setFont(face);
    setWindowIcon(QIcon(boardPicture(QStringLiteral("icon"))));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The device opens a little after the first frame: looking for one is a good part of the
    // start-up, and no sound is asked for that early.
    sound_ = new SoundPlayer(this, SoundPlayer::Open::WhenAsked);
    afterFirstFrame(this, sound_, [sound = sound_] { QTimer::singleShot(250, sound, &SoundPlayer::start); });
    buildControls();
    buildComputer();
    buildMenus();
    for (QTimer* timer : {&Timer1, &Timer2, &Timer3}) {
        timer->setInterval(kTickMilliseconds);
        timer->setTimerType(Qt::PreciseTimer);
    }
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer3.setObjectName(QStringLiteral("Timer3"));
    connect(&Timer1, &QTimer::timeout, this, [this] { game_.timer1Tick(); sync(); });
    connect(&Timer2, &QTimer::timeout, this, [this] { game_.timer2Tick(); sync(); });
    connect(&Timer3, &QTimer::timeout, this, [this] { game_.timer3Tick(); sync(); });

    // The load handler: the stored settings, the background, the first player's buttons.
    StoredSettings stored = readSettings(SonAction->text());
    applyStoredChoices(stored.opponent, stored.strength);
    game_.formLoad(stored.background.toStdString(), stored.sound.toStdString());
    sync();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        bool mayAsk = manager.allowsInteraction();
        if (!endOfSession(mayAsk))
            manager.cancel();
        if (mayAsk)
            manager.release();
    });
}

Form1::~Form1() { stopComputer(); }

void Form1::buildControls() {
    surface_ = new BoardSurface(this);
    surface_->setObjectName(QStringLiteral("Form1Surface"));
    setCentralWidget(surface_);
    connect(surface_, &BoardSurface::bareSurfaceHovered, this, [this] { setHint(QString()); });

    // Made from the back to the front, which is the order in which they are drawn.
    const GameState& s = game_.state();
    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("0"), {0, 24, 193, 33}, 18, surface_);
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("0"), {440, 24, 193, 33}, 18, surface_);
    for (int r = 0; r < kRails; ++r) {
        Image1[r] = new PictureControl(LazyPicture(QString::fromLatin1(kRailPictures[r])),
                                       PictureControl::Mouse::PassesThrough, surface_);
        Image1[r]->setObjectName(QStringLiteral("Image1_%1").arg(r));
        Image1[r]->setGeometry(kRailHomeLeft, kRailTop0 + kCell * r, 520, kRailHeight);
    }
    for (int k = 0; k < kDrumPositions; ++k) {
        Image4[k] = new PictureControl(LazyPicture(QStringLiteral("drum%1").arg(k)),
                                       PictureControl::Mouse::PassesThrough, surface_);
        Image4[k]->setObjectName(QStringLiteral("Image4_%1").arg(k));
        Image4[k]->setGeometry(32 * k, 320, 24, 72);
        Image4[k]->hide();
    }
    Image3 = new PictureControl(Image4[0]->picture(), PictureControl::Mouse::PassesThrough, surface_);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(176, 320, 280, 64);
    QPixmap blue = boardPicture(QStringLiteral("chip_blue"));
    QPixmap red = boardPicture(QStringLiteral("chip_red"));
    for (int i = 0; i < kChipsPerColour; ++i) {
        Image5[i] = new PictureControl(blue, PictureControl::Mouse::Stops, surface_);
        Image5[i]->setObjectName(QStringLiteral("Image5_%1").arg(i));
        Image5[i]->setGeometry(pixel(s.Image5[i].Left), pixel(s.Image5[i].Top), kChipSize, kChipSize);
        chipNames_.watch(kBlue, i, Image5[i]);
    }
    for (int i = 0; i < kChipsPerColour; ++i) {
        Image6[i] = new PictureControl(red, PictureControl::Mouse::Stops, surface_);
        Image6[i]->setObjectName(QStringLiteral("Image6_%1").arg(i));
        Image6[i]->setGeometry(pixel(s.Image6[i].Left), pixel(s.Image6[i].Top), kChipSize, kChipSize);
        chipNames_.watch(kRed, i, Image6[i]);
    }
    Label1 = makeLabel(QStringLiteral("Label1"), shownGameText(kTurnBlueDesign), {200, 0, 233, 25},
                       15.75, surface_);

    // The buttons lie above every picture and label.
    LazyPicture disabled(QStringLiteral("disabled"));
    auto makeButton = [&](const QString& name, const QString& picture, LazyPicture disabledFace,
                          QPoint place, const char* hint, const QString& spoken, Button button, int index) {
        auto* b = new PictureButton(LazyPicture(picture), LazyPicture(picture + QStringLiteral("_pressed")),
                                    std::move(disabledFace), surface_);
        b->setObjectName(name);
        b->setAccessibleName(spoken);
        b->setProperty(kSourceDescription, QByteArray(hint));
        b->setAccessibleDescription(tr(hint));
        b->setGeometry(QRect(place, QSize(kButtonSize, kButtonSize)));
        connect(b, &PictureButton::hovered, this, [this, hint] { setHint(tr(hint)); });
        connect(b, &QAbstractButton::clicked, this, [this, button, index] { boardButtonClicked(button, index); });
        return b;
    };
    for (int k = 0; k < kDropButtons; ++k)
        Command1[k] = makeButton(QStringLiteral("Command1_%1").arg(k), QStringLiteral("drop"), LazyPicture(),
                                 {180 + kCell * k, 40}, kHintDrop, dropButtonName(k), Button::Command1, k);
    for (int r = 0; r < kRails; ++r)
        Command2[r] = makeButton(QStringLiteral("Command2_%1").arg(r), QStringLiteral("shift_left"), disabled,
                                 {8, kRailTop0 + kCell * r}, kHintLeft, railButtonName(r, true), Button::Command2, r);
    for (int r = 0; r < kRails; ++r)
        Command3[r] = makeButton(QStringLiteral("Command3_%1").arg(r), QStringLiteral("shift_right"), disabled,
                                 {592, kRailTop0 + kCell * r}, kHintRight, railButtonName(r, false), Button::Command3, r);
    for (int i = 0; i < kDrumButtons; ++i) {
        bool up = i == 0 || i == 2;
        Command4[i] = makeButton(QStringLiteral("Command4_%1").arg(i), up ? QStringLiteral("drum_up") : QStringLiteral("drop"),
                                 disabled, kDrumButtonPlaces[i], up ? kHintDrumUp : kHintDrumDown, drumButtonName(i),
                                 Button::Command4, i);
    }
    Command5 = new PassButton(tr(kPassCaption), surface_);
    Command5->setObjectName(QStringLiteral("Command5"));
    Command5->setAccessibleName(Command5->text().remove(QLatin1Char('&')));
    Command5->setProperty(kSourceDescription, QByteArray(kHintPass));
    Command5->setAccessibleDescription(tr(kHintPass));
    Command5->setGeometry(272, 24, 89, 17);
    Command5->setStyleSheet(QStringLiteral(
        "QPushButton { background: #C0C0C0; border: 1px solid #707070; border-radius: 2px;"
        " font-size: 8pt; padding: 0; } QPushButton:pressed { background: #A8A8A8; }"));
    Command5->setMouseTracking(true);
    Command5->installEventFilter(this);
    Command5->hide();
    connect(Command5, &QPushButton::clicked, this, [this] { boardButtonClicked(Button::Command5, 0); });

    StatusBar1 = new QStatusBar(surface_);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, 391, kInnerWidth, 17);
    StatusBar1->setStyleSheet(QStringLiteral("QStatusBar { background: rgba(240,236,228,230); }"
                                             " QStatusBar::item { border: 1px inset #a0a0a0; }"
                                             " QLabel { font-size: 8pt; padding: 0 3px; }"));
    hintPanel_ = new QLabel(StatusBar1);
    hintPanel_->setObjectName(QStringLiteral("StatusBar1Panel1"));
    StatusBar1->addWidget(hintPanel_, 1);
    auto* datePanel = new QLabel(QStringLiteral("25.12.02"), StatusBar1);
    datePanel->setObjectName(QStringLiteral("StatusBar1Panel2"));
    StatusBar1->addPermanentWidget(datePanel);

    // Chips, labels and the status bar keep the hint standing when the mouse crosses them.
    for (QWidget* keeper : std::initializer_list<QWidget*>{Label1, Label2, Label3, StatusBar1, hintPanel_, datePanel}) {
        keeper->setMouseTracking(true);
        keeper->installEventFilter(this);
    }

    // The turn label may hold the focus, so that it need not wander while the buttons are away;
    // it comes first in the keyboard order, for the turn and the scores to be heard again.
    Label1->setFocusPolicy(Qt::TabFocus);
    std::array<QWidget*, kRails> rails{};
    std::copy(Image1.begin(), Image1.end(), rails.begin());
    announcer_ = std::make_unique<BoardAnnouncer>(Label1, Label2, Label3, rails, Image3);
    std::vector<QAbstractButton*> order(Command1.begin(), Command1.end());
    order.insert(order.end(), Command2.begin(), Command2.end());
    order.insert(order.end(), Command3.begin(), Command3.end());
    order.insert(order.end(), Command4.begin(), Command4.end());
    order.push_back(Command5);
    setTabOrder(Label1, order[0]);
    for (size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    keyboard_ = new BoardKeyboard(std::move(order), Label1, this);
    keyboard_->settled = [this](QWidget* focus) { announcer_->moveSettled(focus); };
}

// ---------------------------------------------------------------- the state onto the widgets

void Form1::sync() {
    const GameState& s = game_.state();
    for (int r = 0; r < kRails; ++r) Image1[r]->move(pixel(s.Image1[r].Left), kRailTop0 + kCell * r);
    for (int i = 0; i < kChipsPerColour; ++i) {
        Image5[i]->move(pixel(s.Image5[i].Left), pixel(s.Image5[i].Top));
        Image5[i]->setVisible(s.Image5[i].Visible);
        Image6[i]->move(pixel(s.Image6[i].Left), pixel(s.Image6[i].Top));
        Image6[i]->setVisible(s.Image6[i].Visible);
    }
    if (s.Image3Picture >= 0 && s.Image3Picture < kDrumPositions &&
        Image3->picture().cacheKey() != Image4[s.Image3Picture]->picture().cacheKey())
        Image3->setPicture(Image4[s.Image3Picture]->picture());
    auto showLabel = [this](QLabel* label, const TextLabel& from) {
        QString caption = label == Label1 ? shownGameText(from.Caption) : QString::fromStdString(from.Caption);
        if (label->text() != caption) label->setText(caption);
        QPalette palette = label->palette();
        if (palette.color(QPalette::WindowText) != fromBgr(from.ForeColor)) {
            palette.setColor(QPalette::WindowText, fromBgr(from.ForeColor));
            label->setPalette(palette);
        }
    };
    showLabel(Label1, s.Label1);
    showLabel(Label2, s.Label2);
    showLabel(Label3, s.Label3);
    chipNames_.follow(s);
    announcer_->follow(s);
    if (!surrendered_) computer_->boardChanged();
    // While the computer thinks and plays, only the button it is about to press shows.
    bool computerBusy = opponentsTurn();
    BoardKeyboard::Faces faces;
    size_t n = 0;
    auto face = [&](const BoardButton& b, Button button, int index) {
        faces[n++] = {b.Visible && !surrendered_ && (!computerBusy || showsOpponentPress(button, index)), b.Enabled};
    };
    for (int k = 0; k < kDropButtons; ++k) face(s.Command1[k], Button::Command1, k);
    for (int r = 0; r < kRails; ++r) face(s.Command2[r], Button::Command2, r);
    for (int r = 0; r < kRails; ++r) face(s.Command3[r], Button::Command3, r);
    for (int i = 0; i < kDrumButtons; ++i) face(s.Command4[i], Button::Command4, i);
    face(s.Command5, Button::Command5, 0);
    keyboard_->showButtons(faces, s.animating() || computerBusy);
    SonAction->setChecked(s.SonChecked);
    syncTimers();
    syncMoveCommands();
    syncResultCommands();
    playWaitingRedo();
    networkSynced();
}

void Form1::syncTimers() {
    const GameState& s = game_.state();
    auto follow = [](QTimer& timer, bool enabled) {
        if (enabled && !timer.isActive()) timer.start();
        if (!enabled && timer.isActive()) timer.stop();
    };
    follow(Timer1, s.Timer1.Enabled && !holdsTimers());
    follow(Timer2, s.Timer2.Enabled && !holdsTimers());
    follow(Timer3, s.Timer3.Enabled && !holdsTimers());
}

// ---------------------------------------------------------------- what the game asks

void Form1::playSound(Sound sound) { sound_->play(sound); }

bool Form1::askEndOfGame(const std::string& text) {
    if (networkEndOfGame(text)) return false;  // asked once the board is at rest, on both screens
    // The players see the finished board behind the question: the last chip gone, the final
    // totals in the labels; and the fall has stopped, so no tick runs while it is open.
    sync();
    QString shown = shownGameText(text).replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    // Between two people the colour that won is congratulated; against the computer, a person.
    if (std::optional<int> computer = computerColour(opponent_))
        shown = endOfGameAgainstComputer(game_.state(), *computer);
    countGameResult(game_.state().blueScore > game_.state().redScore   ? kBlue
                    : game_.state().redScore > game_.state().blueScore ? kRed
                                                                       : -1);
    QMessageBox box(QMessageBox::NoIcon, gameTitle(), shown, QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() != QMessageBox::Yes) return false;
    startedAfresh();  // the game starts anew
    return true;
}

// ---------------------------------------------------------------- background and hints

void Form1::paintBackground(const QString& file) {
    surface_->showPictureFile(file);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!isMinimized()) paintBackground(QString::fromStdString(game_.state().bgFile));
}

void Form1::setHint(const QString& text) { hintPanel_->setText(text); }

QString Form1::hint() const { return hintPanel_->text(); }

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == Command5) {
            setHint(kHintPass);
            // The button lets a plain move fall through to the surface, which would clear the
            // hint again; it needs the move only while held down.
            return static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton;
        }
        return true;  // labels and the status bar keep the last hint
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace reikoboy
