// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// reikoboy-peer: a player without a window that hosts or joins a network game and plays it
// with the computer. Exit codes: 0 and the final saved game on standard output when the game
// is over; 4 when a host has had no opponent for --wait seconds, or a joiner is refused, cut
// off or meets a broken protocol (the reason on standard error); 1 for a bad command line.
#include <QCoreApplication>
#include <QHostAddress>
#include <iostream>

#include "PeerOptions.h"
#include "PeerPlayer.h"
#include "net/DrawnCode.h"
#include "net/Message.h"
#include "persist/SavedGame.h"

namespace {

using namespace reikoboy;

class SilentHost : public Host {
public:
    void playSound(Sound) override {}
    bool askEndOfGame(const std::string&) override { return false; }  // never a new game
};

// A line for the terminal: control characters from the peer are shown, not obeyed.
std::string printable(const std::string& line) {
    std::string out;
    for (unsigned char c : line) {
        if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

int usage() {
    std::cerr << peer::kUsage;
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    auto options = peer::parseOptions(args);
    if (!options) return usage();
    if (options->help) {
        std::cout << peer::kUsage;
        return std::cout.flush() ? 0 : 1;
    }
    QCoreApplication app(argc, argv);

    SilentHost host;
    Game game(host);
    game.formLoad("", "");  // as the window starts with an empty settings store
    if (!options->from.empty()) {
        ReadResult read = openSavedGameFile(game, options->from);
        if (read != ReadResult::Ok) {
            std::cerr << options->from << ": "
                      << (read == ReadResult::CannotOpen ? "не удалось открыть файл" : kNotASavedGame) << '\n';
            return 1;
        }
        game.finishAnimation();
    }
    History history;
    net::NetworkGame network(game, history);
    if (options->trace)
        network.setTrace([](bool sent, const std::string& line) {
            std::cerr << (sent ? "> " : "< ") << printable(line) << '\n';
        });

    if (options->host) {
        std::string code = options->code.empty() ? net::drawCode() : options->code;
        if (!network.host(static_cast<quint16>(options->port), code, options->name, options->colour)) {
            std::cerr << "reikoboy-peer: cannot listen on port " << options->port << ": "
                      << network.errorString().toStdString() << '\n';
            return 4;
        }
        if (options->code.empty()) std::cerr << "code " << code << '\n';
        std::cerr << "port " << network.port() << std::endl;
    } else {
        network.join(QString::fromStdString(options->address), static_cast<quint16>(options->port), options->code,
                     options->name);
    }
    peer::PeerPlayer player(network, game, history, options->level, options->waitSeconds);
    QObject::connect(&player, &peer::PeerPlayer::done, &app, [](int code) { QCoreApplication::exit(code); });
    return app.exec();
}
