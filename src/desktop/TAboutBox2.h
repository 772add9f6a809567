// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controls.h"
#include "kit/Form.h"
#include "language/DialogContext.h"

namespace norvik {

// The testers box: a heading, the testers' nicknames, where they come from
// and the thanks.
class TAboutBox2 : public Form {
public:
    explicit TAboutBox2(const DialogContext& context);

    void FormShow();

    GroupBox& Panel1; // frame round the texts
    Label& Label1;    // "Many Thanks", the heading
    Label& Label2;    // thanked group: all users (a fixed Russian text)
    Label& Label3;    // thanked group: letter writers (fixed)
    Label& Label6;    // thanked group: critics (fixed)
    Label& Label9;    // thanked group: colleagues (fixed)
    Label& Label5;    // thanked group: family (fixed)
    Label& Label4;    // thanked group: you, the reader (fixed)
    Label& Label8;    // who the testers are
    Label& Label7;    // what they are thanked for
    Button& OKButton; // "OK" (result OK)

private:
    DialogContext context_;
};

} // namespace norvik
