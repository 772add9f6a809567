// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controls.h"
#include "kit/Form.h"
#include "language/DialogContext.h"

namespace norvik {

// The author box: a picture, the author's introduction and why the program
// was written.
class TAboutBox1 : public Form {
public:
    explicit TAboutBox1(const DialogContext& context);

    void FormShow();

    GroupBox& GroupBox1; // frame round the picture and the two paragraphs
    Image& Image2;       // the author's picture
    Label& Label2;       // first paragraph: who wrote the program, how to reach the author
    Label& Label1;       // second paragraph: why the program was written
    Button& OKButton;    // "Close" (result OK)

private:
    DialogContext context_;
};

} // namespace norvik
