// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A saved game variable: a small integer that remembers whether it was ever assigned.
// A never-set value behaves as 0 in every rule and is written to a saved game as nothing.
#pragma once

namespace reikoboy {

class Value {
public:
    constexpr Value() = default;
    constexpr Value(int v) : value_(v), set_(true) {}  // NOLINT: assigning a number sets it

    constexpr operator int() const { return value_; }  // NOLINT: behaves as its number
    constexpr bool isSet() const { return set_; }

    static constexpr Value unset() { return Value(); }

    Value& operator+=(int d) {
        value_ += d;
        set_ = true;
        return *this;
    }
    Value& operator-=(int d) { return *this += -d; }
    Value& operator++() { return *this += 1; }

    friend constexpr bool sameValue(Value a, Value b) {
        return a.value_ == b.value_ && a.set_ == b.set_;
    }

private:
    int value_ = 0;
    bool set_ = false;
};

}  // namespace reikoboy
