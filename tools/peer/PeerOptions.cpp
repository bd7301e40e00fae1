// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "PeerOptions.h"

#include <algorithm>

#include "game/Board.h"
#include "net/Message.h"

namespace reikoboy::peer {

const char* const kUsage =
    "usage: reikoboy-peer host [--port P] [--code C] [--colour blue|red] [--level novice|amateur|master]\n"
    "                          [--name N] [--from FILE] [--wait S] [--trace]\n"
    "       reikoboy-peer join HOST[:PORT] --code C [--level novice|amateur|master] [--name N] [--trace]\n";

namespace {

std::optional<unsigned> number(const std::string& text, unsigned smallest, unsigned largest) {
    if (text.empty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    unsigned value = static_cast<unsigned>(std::stoul(text));
    if (value < smallest || value > largest) return std::nullopt;
    return value;
}

// HOST, HOST:PORT, [IPV6] or [IPV6]:PORT; an IPv6 address without brackets has no port.
bool splitAddress(const std::string& text, PeerOptions& options) {
    std::string portText;
    if (!text.empty() && text[0] == '[') {
        std::size_t close = text.find(']');
        if (close == std::string::npos) return false;
        options.address = text.substr(1, close - 1);
        std::string rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (rest[0] != ':') return false;
            portText = rest.substr(1);
        }
    } else if (std::count(text.begin(), text.end(), ':') == 1) {
        options.address = text.substr(0, text.find(':'));
        portText = text.substr(text.find(':') + 1);
    } else {
        options.address = text;
    }
    if (!portText.empty() || (text.find("]:") != std::string::npos)) {
        auto port = number(portText, 1, 65535);
        if (!port) return false;
        options.port = *port;
    }
    return !options.address.empty();
}

}  // namespace

std::optional<PeerOptions> parseOptions(const std::vector<std::string>& args) {
    PeerOptions o;
    if (args.size() == 1 && args[0] == "--help") {
        o.help = true;
        return o;
    }
    if (args.empty() || (args[0] != "host" && args[0] != "join")) return std::nullopt;
    o.host = args[0] == "host";
    std::size_t i = 1;
    if (!o.host && (i >= args.size() || !splitAddress(args[i++], o))) return std::nullopt;
    bool haveCode = false;
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--trace") {
            o.trace = true;
            continue;
        }
        if (i + 1 >= args.size()) return std::nullopt;
        const std::string& value = args[++i];
        if (arg == "--code" && net::isCode(value)) {
            o.code = value;
            haveCode = true;
        } else if (arg == "--level" && ai::levelFromName(value)) {
            o.level = *ai::levelFromName(value);
        } else if (arg == "--name" && net::isPlayerName(value)) {
            o.name = value;
        } else if (o.host && arg == "--port" && number(value, 0, 65535)) {
            o.port = *number(value, 0, 65535);
        } else if (o.host && arg == "--colour" && net::colourFromName(value)) {
            o.colour = *net::colourFromName(value);
        } else if (o.host && arg == "--from") {
            o.from = value;
        } else if (o.host && arg == "--wait" && number(value, 1, 86400)) {
            o.waitSeconds = static_cast<int>(*number(value, 1, 86400));
        } else {
            return std::nullopt;
        }
    }
    if (!o.host && !haveCode) return std::nullopt;
    return o;
}

}  // namespace reikoboy::peer
