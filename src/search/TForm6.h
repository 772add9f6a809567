// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controls.h"
#include "kit/Form.h"
#include "language/DialogContext.h"

namespace norvik {

// The search prompt: one line for the search string. A new prompt is made for
// every search, so the field always starts empty.
class TForm6 : public Form {
public:
    explicit TForm6(const DialogContext& context);

    void FormShow();

    Label& Label1;   // "Enter the text to find:"
    Edit& Edit1;     // the text to find
    Button& Button1; // "Search" (result OK)
    Button& Button2; // "Cancel" (result Cancel)

private:
    DialogContext context_;
};

} // namespace norvik
