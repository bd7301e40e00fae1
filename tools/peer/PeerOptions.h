// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// reikoboy-peer's command line:
//   reikoboy-peer host [--port P] [--code C] [--colour blue|red] [--level L] [--name N]
//                      [--from FILE] [--wait S] [--trace]
//   reikoboy-peer join HOST[:PORT] --code C [--level L] [--name N] [--trace]
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ai/Level.h"

namespace reikoboy::peer {

struct PeerOptions {
    bool host = true;
    std::string address;  // join: a name, an IPv4 address, or an IPv6 address (in [ ] with a port)
    unsigned port = 47323;
    std::string code;     // empty: the host draws one
    int colour = 0;       // the host's
    ai::Level level = ai::kDefaultLevel;
    std::string name = "Компьютер";
    std::string from;
    int waitSeconds = 60;
    bool trace = false;
    bool help = false;
};

extern const char* const kUsage;

// Nothing when the command line is bad.
std::optional<PeerOptions> parseOptions(const std::vector<std::string>& args);

}  // namespace reikoboy::peer
