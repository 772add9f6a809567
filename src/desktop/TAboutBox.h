// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controls.h"
#include "kit/Form.h"
#include "language/DialogContext.h"

namespace norvik {

// The About box: the product name and edition, the author's contact line and
// the program's characteristics, all but the edition and the button taken
// from the language lines when the box is shown.
class TAboutBox : public Form {
public:
    explicit TAboutBox(const DialogContext& context);

    void FormShow();

    GroupBox& Panel1;   // upper panel: name, edition, contact
    Image& ProgramIcon; // the program's icon
    Label& ProductName; // the product name
    Label& Label8;      // "Vellum Edition", never translated
    Label& Copyright;   // the author's contact address
    Label& Comments;    // "Please send all wishes and suggestions ..."
    GroupBox& Panel2;   // lower panel: the characteristics
    Label& Label1;      // "Program characteristics", the heading
    Label& Label2;      // "Type: ..."
    Label& Label3;      // "Contents: ...", two lines
    Label& Label4;      // "Required OS: ..."
    Label& Label5;      // "Required processor: ..."
    Label& Label6;      // "Executable file size: ..."
    Image& Image1;      // screen picture beside Label7
    Label& Label7;      // "Screen resolution needed: ..."
    Button& OKButton;   // "OK" (result OK)

private:
    DialogContext context_;
};

} // namespace norvik
