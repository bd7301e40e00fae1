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
#include <memory>

#include "ai/Turn.h"
#include "game/Game.h"
#include "game/History.h"
#include "ui/board/BoardNames.h"
#include "ui/seats/Opponent.h"
#include "ui/seats/Seat.h"

class QAbstractButton;
class QAction;
class QMenu;

namespace reikoboy {

namespace net { class NetworkPlay; }

class BoardAnnouncer;
class ChatWindow;
struct NetworkSide;
class RemoteSeat;
class GameRecordWindow;
class BoardKeyboard;
class BoardSurface;
class ComputerTurn;
class MoveHint;
class PictureButton;
class PictureControl;
class SoundPlayer;

// The platform of old ticked at about 60 Hz however short the interval asked for; a rail
// slides one cell in ten ticks, so about 160 ms.
inline constexpr int kTickMilliseconds = 16;

inline constexpr const char* kWindowTitle = "Рейкобой";
// The title in the language the window speaks ("Reikoboy" in English).
QString gameTitle();

class Form1 : public QMainWindow, private Host {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    const Game& game() const { return game_; }
    const SoundPlayer& soundPlayer() const { return *sound_; }
    BoardSurface* surface() const { return surface_; }
    QString hint() const;
    ComputerTurn& computerTurn() const { return *computer_; }

    // The desktop session is ending: the same question as closing the window, when the
    // session manager lets us ask. False means the players want to stay.
    bool endOfSession(bool mayAsk);
    // A game kept at such an end in an earlier run: the players may continue it (Form1Recovery.cpp).
    void offerInterruptedGame();

    // Network play (Form1Network.cpp, Form1Seats.cpp); the «Сеть» dialogs end in these.
    bool hostNetworkGame(const QString& name, int colour, quint16 port, const QString& code);
    void joinNetworkGame(const QString& host, quint16 port, const QString& code, const QString& name);
    net::NetworkPlay* networkGame() const;
    ChatWindow* chatWindow() const;
    void setOpponentShowMilliseconds(int ms);  // for tests
    // Who plays `colour`: the person here, the computer, or the player over the network.
    Seat seatOf(int colour) const;

    // The background file names the picture dialog offers, as pairs of description and
    // patterns joined with "|".
    static const char* kPictureFilter;
    // The pass button's caption.
    static const char* const kPassCaption;

protected:
    void changeEvent(QEvent* event) override;
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
    // The status bar's text, spoken to screen readers too.
    void announce(const QString& text);

    // The computer opponent and the hint (Form1Moves.cpp).
    void buildComputer();
    void buildMoveMenu();
    void buildOpponentMenus(QMenu* options);
    void applyStoredChoices(const QString& opponent, const QString& strength);
    void chooseOpponent(Opponent opponent);
    void chooseLevel(ai::Level level);
    void syncMoveCommands();
    void stopComputer();
    QAbstractButton* boardButton(const ai::Click& click) const;
    // Every click of a board button, a player's or the computer's.
    void boardButtonClicked(Button button, int index);

    // Taking moves back and playing them again (Form1Undo.cpp).
    void buildUndoActions(QMenu* moves);
    void syncUndoCommands();
    void playClick(BoardClick click);
    void Undo();
    void Redo();
    void playWaitingRedo();  // a redo pressed while the board moved, once it is at rest

    // Giving up, the statistics and the record of the game (Form1Results.cpp).
    void buildResultCommands();
    void syncResultCommands();
    void showRecord(bool shown);
    void giveUp();
    // Counts the game's result once; `winner` is a colour, or -1 for a draw.
    void countGameResult(int winner);
    // A new, opened or continued game: no history, no result, nothing said about the last one.
    void startedAfresh();
    void buildScaleMenu(QMenu* options);  // Form1Scale.cpp

    // Texts in the language chosen, set again when it changes (Form1Language.cpp).
    QMenu* translatedMenu(QWidget* parent, const char* source);
    QAction* translatedAction(QMenu* menu, const char* source);
    void buildLanguageMenu(QMenu* options);
    void retranslate();
    // Where a widget keeps the untranslated text of its accessible description.
    static constexpr const char* kSourceDescription = "sourceDescription";
    // The game's own texts (the turn label, the end-of-game question) in the window's language.
    QString shownGameText(const std::string& text) const;

    // The «Сеть» menu and the network game's events (Form1Network.cpp).
    void buildNetworkMenu();
    void netCreate();
    void netJoin();
    void netChat();
    bool startNetwork();
    void endNetworkGame(const QString& said = {});
    void opponentBoardReplaced();
    void opponentLeft(int cause, const QString& reason);
    void leaveNetworkOnClose();
    // The seats on the board (Form1Seats.cpp): whose presses count and show, and the hooks
    // through which a network game changes the window's commands.
    bool opponentsTurn() const;
    bool showsOpponentPress(Button button, int index) const;
    bool holdsTimers() const;  // an opponent's press shows before its move plays
    void networkSynced();
    void announceTurn();
    bool networkClick(BoardClick click);
    bool networkNova();
    void networkOpened();
    bool networkEndOfGame(const std::string& text);

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
    // Keeps a game in progress when nobody could be asked, and forgets it once they answered.
    void settleInterruptedGame(bool mayAsk, bool stay);
    // A move made since the game began, or a continued game: closing asks about it.
    bool gameInProgress() const;

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
    std::unique_ptr<BoardAnnouncer> announcer_;
    BoardKeyboard* keyboard_ = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* hintPanel_ = nullptr;
    QTimer Timer1, Timer2, Timer3;
    QAction* SonAction = nullptr;
    ComputerTurn* computer_ = nullptr;
    MoveHint* hint_ = nullptr;
    QAction* hintAction_ = nullptr;
    History history_;  // the boards before each click; a new game or an opened one starts it anew
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    std::array<QAction*, 3> opponentActions_{};
    std::array<QAction*, 3> levelActions_{};
    Opponent opponent_ = kDefaultOpponent;
    QString CommonDialog1FileName;  // the saved-game dialog's remembered file name
    QString CommonDialog2FileName;  // the picture dialog's
    bool agreedToEnd_ = false;      // the players already answered the end of the session
    bool keptForLater_ = false;     // this run wrote the game waiting to be continued
    bool continuedGame_ = false;    // the board is an interrupted game, continued
    int redosWaiting_ = 0;          // «Повторить ход» presses made while the board moved
    bool surrendered_ = false;      // the game was given up and the players stayed with it
    bool resultCounted_ = false;    // this game's end is in the statistics
    QAction* giveUpAction_ = nullptr;
    QAction* recordAction_ = nullptr;
    GameRecordWindow* record_ = nullptr;
    std::unique_ptr<NetworkSide> net_;
};

}  // namespace reikoboy
