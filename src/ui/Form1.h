// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The main window: the board as widgets over the game model. Every click, tick and menu
// command goes to the Game; afterwards the window copies the game's state onto its widgets.
#pragma once

#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>
#include <array>

#include "BoardNames.h"
#include "game/Game.h"

class QAction;

namespace reikoboy {

class BoardKeyboard;
class BoardSurface;
class PictureButton;
class PictureControl;
class SoundPlayer;

// The platform of old ticked at about 60 Hz however short the interval asked for; a rail
// slides one cell in ten ticks, so about 160 ms.
inline constexpr int kTickMilliseconds = 16;

inline constexpr const char* kWindowTitle = "Рейкобой";

class Form1 : public QMainWindow, private Host {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    const Game& game() const { return game_; }
    const SoundPlayer& soundPlayer() const { return *sound_; }
    BoardSurface* surface() const { return surface_; }
    QString hint() const;

    // The desktop session is ending: the same question as closing the window, when the
    // session manager lets us ask. False means the players want to stay.
    bool endOfSession(bool mayAsk);

    // The background file names the picture dialog offers, as pairs of description and
    // patterns joined with "|".
    static const char* kPictureFilter;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Host
    void playSound(Sound sound) override;
    bool askEndOfGame(const std::string& text) override;

    void buildControls();
    void buildMenus();
    void sync();          // copies the game's state onto the widgets
    void syncTimers();
    void paintBackground(const QString& file);
    void setHint(const QString& text);

    void Nova();
    void Op();
    void Sa();
    void Exit();
    void Son();
    void FonV();
    void Vhelp();
    void Oprog();
    // Saves the game through the file dialog; false only when a chosen file could not be written.
    bool sa2();
    // The closing dialogue; writes the settings on every attempt. False keeps the window open.
    bool mayClose(bool mayAsk);

    Game game_;
    SoundPlayer* sound_ = nullptr;
    BoardSurface* surface_ = nullptr;
    std::array<PictureControl*, kRails> Image1{};
    PictureControl* Image3 = nullptr;
    std::array<PictureControl*, kDrumPositions> Image4{};
    std::array<PictureControl*, kChipsPerColour> Image5{};
    std::array<PictureControl*, kChipsPerColour> Image6{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    std::array<PictureButton*, kDropButtons> Command1{};
    std::array<PictureButton*, kRails> Command2{};
    std::array<PictureButton*, kRails> Command3{};
    std::array<PictureButton*, kDrumButtons> Command4{};
    class QPushButton* Command5 = nullptr;
    ChipNames chipNames_;
    BoardKeyboard* keyboard_ = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* hintPanel_ = nullptr;
    QTimer Timer1, Timer2, Timer3;
    QAction* SonAction = nullptr;
    QString CommonDialog1FileName;  // the saved-game dialog's remembered file name
    QString CommonDialog2FileName;  // the picture dialog's
    bool agreedToEnd_ = false;      // the players already answered the end of the session
};

}  // namespace reikoboy
