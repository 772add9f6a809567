// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controls.h"
#include "kit/Form.h"
#include "language/DialogContext.h"

namespace norvik {

// The edit-record dialog: the current phone line as one editable text.
class TForm5 : public Form {
public:
    TForm5(const DialogContext& context, const ListBox& phones);

    // Puts the current line of the phone list into the field, then applies
    // the language lines.
    void FormShow();

    Label& Label1;   // "Edit the entry:"
    Edit& Edit1;     // the whole phone line
    Button& Button1; // "OK" (result OK)
    Button& Button2; // "Cancel" (result Cancel)

private:
    DialogContext context_;
    // The phone list, whose current line the dialog edits.
    const ListBox& phones_;
};

} // namespace norvik
