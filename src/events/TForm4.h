// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controls.h"
#include "kit/Form.h"
#include "language/DialogContext.h"

namespace norvik {

// The edit-event dialog: the whole current line of the events list as one
// editable text.
class TForm4 : public Form {
public:
    TForm4(const DialogContext& context, const ListBox& events);

    void FormShow();
    // A reminder that opened over the dialog may have moved the current line
    // or changed it; only then does the field start again from the list, so
    // that switching to another program and back keeps what was typed.
    void FormActivate();
    // OK: a line whose date text the scheduler cannot read is refused, and
    // the dialog stays open with what was typed.
    void Button1Click();

    Label& Label1;   // "Edit the event:"
    Edit& Edit1;     // the whole event line
    Button& Button1; // "OK" (result OK, unless the date is refused)
    Button& Button2; // "Cancel" (result Cancel)

private:
    void fillFromList();

    DialogContext context_;
    // The events list, whose current line the dialog edits.
    const ListBox& events_;
    int filledIndex_ = -1;
    Text filledText_;
};

} // namespace norvik
