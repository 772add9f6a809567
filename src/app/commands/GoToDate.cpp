// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "calendar/DateFields.h"
#include "kit/Failure.h"
#include "kit/Platform.h"

namespace norvik {

namespace {

void filterDateKey(char& key) {
    if (!isDateFieldKey(key)) {
        key = 0;
    }
}

void writeBack(Edit& field, const Text& text) {
    if (field.text() != text) {
        field.setText(text);
    }
}

} // namespace

void TForm1::connectCalendar() {
    Edit1.onKeyPress = [this](char& key) { Edit1KeyPress(key); };
    Edit2.onKeyPress = [this](char& key) { Edit2KeyPress(key); };
    Edit3.onKeyPress = [this](char& key) { Edit3KeyPress(key); };
    Button12.onClick = [this] { Button12Click(); };
}

void TForm1::Edit1KeyPress(char& key) {
    goOnEnter(key);
    filterDateKey(key);
}

void TForm1::Edit2KeyPress(char& key) {
    goOnEnter(key);
    filterDateKey(key);
}

void TForm1::Edit3KeyPress(char& key) {
    goOnEnter(key);
    filterDateKey(key);
}

void TForm1::goOnEnter(char& key) {
    // Enter in a go-to field presses Go, as a dialog's Enter presses its
    // confirm button; the main window has no default button of its own, since
    // Enter in its lists and notes means something else.
    if (key == '\r') {
        key = 0;
        Button12Click();
    }
}

void TForm1::Button12Click() {
    DateFields fields{Edit1.text(), Edit2.text(), Edit3.text()};
    // Every correction goes back into the fields, also the ones made before a
    // field turned out to hold no number or the date cannot be set.
    const auto showCorrections = [this, &fields] {
        writeBack(Edit1, fields.day);
        writeBack(Edit2, fields.month);
        writeBack(Edit3, fields.year);
    };
    DateFieldsCheck check = DateFieldsCheck::ready;
    try {
        check = correctDateFields(fields);
    } catch (const Failure&) {
        showCorrections();
        throw;
    }
    switch (check) {
    case DateFieldsCheck::dayMissing:
        ask(Line::DayMissing, Line::DayMissingTitle, mbError);
        return;
    case DateFieldsCheck::monthMissing:
        ask(Line::MonthMissing, Line::MonthMissingTitle, mbError);
        return;
    case DateFieldsCheck::yearMissing:
        ask(Line::YearMissing, Line::YearMissingTitle, mbError);
        return;
    case DateFieldsCheck::yearNotFourDigits:
        ask(Line::YearNotFourDigits, Line::YearNotFourDigitsTitle, mbError);
        return;
    case DateFieldsCheck::ready:
        break;
    }
    showCorrections();
    DateTimePicker1.setDate(dateFromFields(fields));
}

} // namespace norvik
