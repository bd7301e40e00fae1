// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// reikoboy-replay: plays a move script through the game and prints the saved-game text.
//
//   reikoboy-replay [--from FILE] [--answer yes|no] [--trace] [--suggest [--level L]] < moves
//   reikoboy-replay --help     (the usage line on standard output, exit 0)
//
// One move per line: "Command1 K" (K 0..6), "Command2 R", "Command3 R" (R 0..5),
// "Command4 I" (I 0..3), "Command5", "Nova", or "Undo" / "Redo" (take back the last click, play
// the last taken-back click again, as the menu does between two players); blank lines and lines
// starting with '#' are skipped. After each move every animation runs to its end. Exit codes:
// 0 success; 2 a bad or refused move line (also Undo or Redo with nothing to take back or
// replay, and a line over 64 KB); 3 a file refused by --from; 1 a bad command line, or moves
// that could not be read.
//
// With --suggest it prints, instead of the saved game, the computer's whole turn for the side
// to move once the script has been played: one move per line in the script's own language.
// --level novice|amateur|master (master unless given) chooses the computer's strength; it
// means nothing without --suggest and is refused there.
#include <cstring>
#include <iostream>
#include <string>

#include "MoveScript.h"
#include "ScriptReader.h"
#include "ai/ComputerPlayer.h"
#include "game/Game.h"
#include "game/History.h"
#include "persist/SavedGame.h"

namespace {

using namespace reikoboy;

class ReplayHost : public Host {
public:
    ReplayHost(bool answerYes, bool trace) : answerYes_(answerYes), trace_(trace) {}
    void playSound(Sound sound) override {
        if (trace_) std::cerr << "sound " << static_cast<int>(sound) << '\n';
    }
    bool askEndOfGame(const std::string& text) override {
        if (trace_) {
            std::string shown;
            for (char c : text) {
                if (c == '\n')
                    shown += "\\n";
                else if (c == '\r')
                    shown += "\\r";
                else
                    shown += c;
            }
            std::cerr << "question " << shown << '\n';
        }
        startedAfresh = startedAfresh || answerYes_;
        return answerYes_;
    }

    bool startedAfresh = false;  // a Yes started a new game

private:
    bool answerYes_;
    bool trace_;
};

// A click as a line of the move script.
std::string scriptLine(const ai::Click& click) {
    static const char* const kNames[] = {"Command1", "Command2", "Command3", "Command4", "Command5"};
    std::string line = kNames[static_cast<int>(click.button)];
    if (click.button != Button::Command5) line += ' ' + std::to_string(click.index);
    return line;
}

constexpr const char* kUsage =
    "usage: reikoboy-replay [--from FILE] [--answer yes|no] [--trace] "
    "[--suggest [--level novice|amateur|master]] < moves\n";

int usage() {
    std::cerr << kUsage;
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string from;
    bool haveFrom = false, answerYes = false, trace = false, suggest = false;
    bool haveLevel = false;
    ai::Level level = ai::Level::Master;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help") {
            std::cout << kUsage;
            return std::cout.flush() ? 0 : 1;
        }
        if (arg == "--from" && i + 1 < argc) {
            from = argv[++i];
            haveFrom = true;
        } else if (arg == "--answer" && i + 1 < argc) {
            std::string answer = argv[++i];
            if (answer != "yes" && answer != "no") return usage();
            answerYes = answer == "yes";
        } else if (arg == "--trace") {
            trace = true;
        } else if (arg == "--suggest") {
            suggest = true;
        } else if (arg == "--level" && i + 1 < argc) {
            auto named = ai::levelFromName(argv[++i]);
            if (!named) return usage();
            level = *named;
            haveLevel = true;
        } else {
            return usage();
        }
    }
    if (haveLevel && !suggest) return usage();  // a strength for nobody to play is a mistake

    ReplayHost host(answerYes, trace);
    Game game(host);
    game.formLoad("", "");  // an empty settings store
    if (haveFrom) {
        ReadResult read = openSavedGameFile(game, from);
        if (read == ReadResult::CannotOpen) {
            std::cerr << from << ": не удалось открыть файл\n";
            return 3;
        }
        if (read != ReadResult::Ok) {
            std::cerr << kNotASavedGame << '\n';
            return 3;
        }
        game.finishAnimation();  // a game saved mid-animation settles before the first move
    }

    History history;
    ScriptReader script(stdin);
    std::string line;
    for (int number = 1;; ++number) {
        ScriptReader::Result read = script.next(line);
        if (read == ScriptReader::End) break;
        if (read == ScriptReader::Failed) {
            std::cerr << "reikoboy-replay: cannot read the moves: " << std::strerror(script.error())
                      << '\n';
            return 1;
        }
        if (read == ScriptReader::TooLong) {
            std::cerr << "line " << number << ": " << shortened(line) << ": longer than "
                      << ScriptReader::kMaxLine << " bytes\n";
            return 2;
        }
        ScriptLine parsed = parseScriptLine(line);
        if (parsed.kind == ScriptLine::Skip) continue;
        if (parsed.kind == ScriptLine::Bad) {
            std::cerr << "line " << number << ": " << parsed.error << '\n';
            return 2;
        }
        bool offered = true;
        if (parsed.kind == ScriptLine::NewGame) {
            game.newGame();
            history.clear();
        } else if (parsed.kind == ScriptLine::Undo) {
            offered = history.undo(game);
        } else if (parsed.kind == ScriptLine::Redo) {
            offered = history.redo(game);
        } else {
            offered = history.click(game, {parsed.button, parsed.index});
        }
        if (!offered) {
            std::cerr << "line " << number << ": " << shortened(line)
                      << ": this button is not offered now\n";
            return 2;
        }
        game.finishAnimation();
        if (host.startedAfresh) history.clear();
        host.startedAfresh = false;
    }
    if (suggest) {
        // The boards of the script's game, from the --from board on, and the board now.
        ai::GameMemory memory(history.boards(game.state()));
        memory.add(game.state());
        for (const ai::Click& click : ai::chooseTurn(game.state(), level, memory))
            std::cout << scriptLine(click) << '\n';
    } else {
        std::cout << writeSavedGame(game.state());
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}
