// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/DateTextReader.h"

namespace norvik {

namespace {

constexpr int numberStop = 1000;
constexpr int yearWindow = 50;

struct Number {
    int value = 0;
    std::size_t digits = 0;
};

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    std::size_t position() const { return pos_; }

    void skipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') {
            ++pos_;
        }
    }

    bool separator(char wanted) {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == wanted) {
            ++pos_;
            return true;
        }
        return false;
    }

    std::optional<Number> number() {
        skipBlanks();
        Number n;
        while (pos_ < text_.size() && isDigit(text_[pos_]) && n.value < numberStop) {
            n.value = n.value * 10 + (text_[pos_] - '0');
            ++n.digits;
            ++pos_;
        }
        if (n.digits == 0) {
            return std::nullopt;
        }
        return n;
    }

    // Whether only blanks are left; the position does not move.
    bool onlyBlanksLeft() const {
        for (std::size_t i = pos_; i < text_.size(); ++i) {
            if (text_[i] != ' ') {
                return false;
            }
        }
        return true;
    }

    // An AM or PM marker in any letter case: 0 none, 1 AM, 2 PM.
    int marker() {
        const std::size_t start = pos_;
        skipBlanks();
        if (pos_ + 1 < text_.size() && upper(text_[pos_ + 1]) == 'M') {
            const char first = upper(text_[pos_]);
            if (first == 'A' || first == 'P') {
                pos_ += 2;
                return first == 'A' ? 1 : 2;
            }
        }
        pos_ = start;
        return 0;
    }

    void moveTo(std::size_t position) { pos_ = position; }

private:
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static char upper(char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

int placeShortYear(int year, int currentYear) {
    const int earliest = currentYear - yearWindow;
    const int offset = ((year - earliest) % 100 + 100) % 100;
    return earliest + offset;
}

} // namespace

std::optional<DateTextReading> readDateText(std::string_view text, int currentYear) {
    Scanner scan(text);
    DateTextReading reading;
    DateTime& m = reading.moment;

    const auto day = scan.number();
    if (!day || !scan.separator('.')) {
        return std::nullopt;
    }
    const auto month = scan.number();
    if (!month) {
        return std::nullopt;
    }
    m.day = day->value;
    m.month = month->value;
    m.year = currentYear;
    std::size_t end = scan.position();
    if (scan.separator('.')) {
        const auto year = scan.number();
        if (!year) {
            return std::nullopt;
        }
        m.year = year->digits <= 2 ? placeShortYear(year->value, currentYear) : year->value;
        end = scan.position();
        if (scan.separator('.')) {
            end = scan.position();
        } else {
            scan.moveTo(end);
        }
    } else {
        scan.moveTo(end);
    }
    if (!isValidDate(m.year, m.month, m.day)) {
        return std::nullopt;
    }

    if (scan.onlyBlanksLeft()) {
        m.hour = m.minute = m.second = 0;
        reading.consumed = end;
        return reading;
    }

    const auto hour = scan.number();
    if (!hour || !scan.separator(':')) {
        return std::nullopt;
    }
    const auto minute = scan.number();
    if (!minute) {
        return std::nullopt;
    }
    int second = 0;
    end = scan.position();
    if (scan.separator(':')) {
        const auto s = scan.number();
        if (!s) {
            return std::nullopt;
        }
        second = s->value;
        end = scan.position();
    } else {
        scan.moveTo(end);
    }
    int h = hour->value;
    const int marker = scan.marker();
    if (marker != 0) {
        if (h < 1 || h > 12) {
            return std::nullopt;
        }
        // 12 AM is midnight, 12 PM noon.
        h = (h % 12) + (marker == 2 ? 12 : 0);
        end = scan.position();
    }
    if (h > 23 || minute->value > 59 || second > 59) {
        return std::nullopt;
    }
    m.hour = h;
    m.minute = minute->value;
    m.second = second;
    reading.consumed = end;
    return reading;
}

} // namespace norvik
