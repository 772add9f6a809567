// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controls.h"
#include "kit/Form.h"
#include "language/DialogContext.h"

namespace norvik {

// The add-event dialog: a date field that opens on the calendar's day at the
// present time, the event text, and whether to switch reminders on.
class TForm3 : public Form {
public:
    TForm3(const DialogContext& context, const DatePicker& calendar);

    void FormShow();
    // Add: a date text the scheduler cannot read is refused, and the dialog
    // stays open with what was typed. An empty field is left to the caller.
    void Button1Click();

    Label& Label1;             // "Date:"
    Edit& Edit1;               // the event's date and time, DD.MM.YYYY HH:MM:SS
    Label& Label3;             // "Event:"
    Edit& Edit2;               // the event's text
    GroupBox& GroupBox1;       // "Reminders" frame
    RadioButton& RadioButton2; // "Do not switch on": leaves the switch as it is
    RadioButton& RadioButton1; // "Switch on": turns the reminder switch on
    Button& Button1;           // "Add" (result OK, unless the date is refused)
    Button& Button2;           // "Cancel" (result Cancel)

private:
    DialogContext context_;
    // The main window's calendar, whose day the date field opens on.
    const DatePicker& calendar_;
};

} // namespace norvik
