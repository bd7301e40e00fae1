// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "Doorkeeper.h"

#include <algorithm>

namespace reikoboy::net {

bool Doorkeeper::refused(const std::string& address, Millis now) const {
    auto found = wrong_.find(address);
    return found != wrong_.end() && now < found->second.refusedUntil;
}

void Doorkeeper::wrongCode(const std::string& address, Millis now) {
    if (wrong_.size() >= kAddressesKept && !wrong_.count(address)) forgetOldest(now);
    Record& record = wrong_[address];
    record.lastSeen = now;
    if (now < record.refusedUntil) return;
    if (++record.wrongCodes >= kWrongCodes) {
        record.wrongCodes = 0;
        record.refusedUntil = now + kRefusedFor;
    }
}

// Makes room: an address whose minute is over goes first, else the one heard from longest ago.
void Doorkeeper::forgetOldest(Millis now) {
    auto oldest = wrong_.begin();
    for (auto it = wrong_.begin(); it != wrong_.end(); ++it) {
        bool free = now >= it->second.refusedUntil;
        bool oldestFree = now >= oldest->second.refusedUntil;
        if ((free && !oldestFree) || (free == oldestFree && it->second.lastSeen < oldest->second.lastSeen)) oldest = it;
    }
    wrong_.erase(oldest);
}

}  // namespace reikoboy::net
