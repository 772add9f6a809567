// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controls.h"
#include "kit/Form.h"
#include "language/DialogContext.h"

namespace norvik {

// The reminder box: the warning text and two answers, forget or remind again
// after 3 to 30 minutes. Exactly one of its two OK buttons is usable at a
// time, the one that belongs to the chosen answer. It only collects the
// answer; the scheduler decides what happens to the event.
class TMyMessageBoxF : public Form {
public:
    explicit TMyMessageBoxF(const DialogContext& context);

    void FormShow();
    void RadioButton1Click();
    void RadioButton2Click();

    // The minutes chosen; always within the up-down's range.
    int minutes() const;

    Image& Image1;             // reminder picture
    Label& Label1;             // the warning text
    RadioButton& RadioButton1; // "To overlook": forget the event
    Button& Button1;           // OK for forget (result OK)
    RadioButton& RadioButton2; // "Remind me in:"
    Edit& Edit1;               // the minutes, read-only, set by UpDown1
    UpDown& UpDown1;           // 3 to 30 minutes
    Label& Label2;             // "min"
    Button& Button2;           // OK for remind again (result 4)

private:
    DialogContext context_;
};

inline constexpr int reminderForget = mrOk;
inline constexpr int reminderClosed = mrCancel;
inline constexpr int reminderAgain = mrRetry;

struct ReminderAnswer {
    // reminderForget, reminderAgain, or reminderClosed for the close box.
    int result = reminderClosed;
    // The postponement in minutes, 3 to 30; meaningful with reminderAgain.
    int minutes = 3;
};

// Shows a fresh reminder box with the message, modally, and returns the answer.
ReminderAnswer showReminder(const DialogContext& context, const Text& message);

} // namespace norvik
