#pragma once

#include "kit/Form.h"

namespace norvik {

class TForm1;

// The About box: the product name and edition, the author's contact line and
// the program's characteristics, all but the edition and the button taken
// from the language lines when the box is shown.
class TAboutBox : public Form {
public:
    explicit TAboutBox(TForm1& owner);

    void FormShow();

    GroupBox& Panel1;
    Image& ProgramIcon;
    Label& ProductName;
    Label& Label8;
    Label& Copyright; // the author's contact address
    Label& Comments;
    GroupBox& Panel2;
    Label& Label1;
    Label& Label2;
    Label& Label3;
    Label& Label4;
    Label& Label5;
    Label& Label6;
    Image& Image1;
    Label& Label7;
    Button& OKButton;

private:
    TForm1& owner_;
};

} // namespace norvik
