// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include <cmath>
#include <cstring>
#include <sstream>

#include "RegularFile.h"
#include "SavedGame.h"
#include "SavedGameCheck.h"
#include "SavedGameLayout.h"
#include "game/NumberText.h"
#include "game/ResumeAnimation.h"

namespace reikoboy {

namespace {

// One value of the file as the reader sees it.
struct Field {
    enum Kind { Unset, Number, Truth, Text } kind = Unset;
    double number = 0;
};

// Splits the stream into values: a value ends at a comma or a line end (CR, LF or CRLF);
// an empty line is one unset value; blanks before a value are skipped; "…" is quoted text.
// Only a short prefix of each value is kept, so hostile input costs linear time and no memory.
class FieldReader {
public:
    explicit FieldReader(std::istream& in) : in_(*in.rdbuf()) {}

    bool next(Field& field) {
        using Traits = std::char_traits<char>;
        if (atLineStart_ && in_.sgetc() == Traits::eof()) return false;
        atLineStart_ = false;
        text_.clear();
        overlong_ = false;
        skipBlanks();
        bool quoted = in_.sgetc() == '"';
        if (quoted) {
            in_.sbumpc();
            for (int c = in_.sgetc(); c != '"' && !endsValue(c, false); c = in_.snextc()) keep(c);
            if (in_.sgetc() == '"') in_.sbumpc();
            for (int c = in_.sgetc(); !endsValue(c, true); c = in_.snextc()) {
            }
        } else {
            for (int c = in_.sgetc(); !endsValue(c, true); c = in_.snextc()) keep(c);
            while (!text_.empty() && (text_.back() == ' ' || text_.back() == '\t')) text_.pop_back();
        }
        finishValue();
        field = classify(quoted);
        return true;
    }

private:
    static bool isLineEnd(int c) { return c == '\r' || c == '\n'; }
    static bool endsValue(int c, bool atComma) {
        return c == std::char_traits<char>::eof() || isLineEnd(c) || (atComma && c == ',');
    }
    void skipBlanks() {
        while (in_.sgetc() == ' ' || in_.sgetc() == '\t') in_.sbumpc();
    }
    void keep(int c) {
        if (text_.size() < kKept)
            text_ += static_cast<char>(c);
        else
            overlong_ = true;
    }
    void finishValue() {
        int c = in_.sgetc();
        if (c == ',') {
            in_.sbumpc();
        } else if (c == '\r') {
            if (in_.snextc() == '\n') in_.sbumpc();
            atLineStart_ = true;
        } else if (c == '\n') {
            in_.sbumpc();
            atLineStart_ = true;
        } else {
            atLineStart_ = true;  // end of the stream
        }
    }
    Field classify(bool quoted) const {
        if (overlong_) return {Field::Text};
        if (!quoted && text_.empty()) return {Field::Unset};
        if (!quoted && (strcasecmp(text_.c_str(), "#TRUE#") == 0)) return {Field::Truth, -1};
        if (!quoted && (strcasecmp(text_.c_str(), "#FALSE#") == 0)) return {Field::Truth, 0};
        if (auto number = parseNumber(text_)) return {Field::Number, *number};
        return {Field::Text};
    }

    static constexpr size_t kKept = 64;
    std::streambuf& in_;
    std::string text_;
    bool overlong_ = false;
    bool atLineStart_ = true;
};

// Takes the values in the layout's order, checking each for its kind and range.
class Reader {
public:
    explicit Reader(std::istream& in) : fields_(in) {}
    ReadResult result() const { return result_; }
    bool sawEmptyPicture() const { return sawEmptyPicture_; }

    void position(float& target) {
        Field f;
        if (!take(f)) return;
        if (f.kind == Field::Text) return fail(ReadResult::WrongKind);
        if (f.kind == Field::Unset) sawEmptyPicture_ = true;
        if (!(std::fabs(f.number) <= kMaxPosition)) return fail(ReadResult::OutOfRange);
        target = static_cast<float>(f.number);
    }
    void truth(bool& target) {
        Field f;
        if (!take(f)) return;
        if (f.kind == Field::Text) return fail(ReadResult::WrongKind);
        if (f.kind == Field::Unset) sawEmptyPicture_ = true;
        target = f.number != 0;
    }
    void number(Value& target, int min, int max) {
        Field f;
        if (!take(f)) return;
        if (f.kind == Field::Unset) {
            target = Value::unset();
            return;
        }
        if (f.kind == Field::Text) return fail(ReadResult::WrongKind);
        if (f.number != std::trunc(f.number)) return fail(ReadResult::WrongKind);
        if (f.number < min || f.number > max) return fail(ReadResult::OutOfRange);
        target = static_cast<int>(f.number);
    }
    void comma() {}
    void endLine() {}

private:
    bool take(Field& f) {
        if (result_ != ReadResult::Ok) return false;
        if (!fields_.next(f)) {
            fail(ReadResult::TooFewValues);
            return false;
        }
        return true;
    }
    void fail(ReadResult why) { result_ = why; }

    FieldReader fields_;
    ReadResult result_ = ReadResult::Ok;
    bool sawEmptyPicture_ = false;
};

}  // namespace

ReadResult readSavedGame(std::istream& in, GameState& into) {
    Reader reader(in);
    visitSavedValues(into, reader);
    if (reader.result() == ReadResult::Ok && reader.sawEmptyPicture()) return ReadResult::Unreachable;
    return reader.result();
}

ReadResult openSavedGame(Game& game, std::istream& in) {
    ReadResult result = ReadResult::Ok;
    bool opened = game.open([&](GameState& candidate) {
        result = readSavedGame(in, candidate);
        // The whole board is judged only once every value has been read.
        if (result == ReadResult::Ok && !chipsFitGrid(candidate)) result = ReadResult::OffTheGrid;
        if (result == ReadResult::Ok && !couldHaveBeenWritten(candidate)) result = ReadResult::Unreachable;
        if (result == ReadResult::Ok) resumeAnimation(candidate);
        return result == ReadResult::Ok;
    });
    if (!opened && result == ReadResult::Ok) result = ReadResult::OffTheGrid;
    return result;
}

ReadResult openSavedGameFile(Game& game, const std::string& name) {
    FileBytes file = readRegularFile(name, kLargestSavedGame);
    if (file.status == FileBytes::CannotOpen) return ReadResult::CannotOpen;
    if (!file.ok()) return ReadResult::NotAFile;
    std::istringstream in(std::move(file.bytes));
    return openSavedGame(game, in);
}

}  // namespace reikoboy
