// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Who the host lets knock: after five wrong codes from one address, that address is refused
// for a minute. Addresses are opaque strings; the time is passed in. It remembers a bounded
// number of addresses, so a crowd of them cannot fill the host's memory.
#pragma once

#include <cstddef>
#include <map>
#include <string>

#include "Session.h"

namespace reikoboy::net {

class Doorkeeper {
public:
    static constexpr int kWrongCodes = 5;
    static constexpr Millis kRefusedFor = 60000;
    static constexpr std::size_t kAddressesKept = 1024;

    bool refused(const std::string& address, Millis now) const;
    void wrongCode(const std::string& address, Millis now);
    void rightCode(const std::string& address) { wrong_.erase(address); }

private:
    struct Record {
        int wrongCodes = 0;
        Millis refusedUntil = 0;
        Millis lastSeen = 0;
    };
    void forgetOldest(Millis now);

    std::map<std::string, Record> wrong_;
};

}  // namespace reikoboy::net
