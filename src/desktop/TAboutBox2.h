#pragma once

#include "kit/Form.h"

namespace norvik {

class TForm1;

// The testers box: a heading, the testers' nicknames, where they come from
// and the thanks.
class TAboutBox2 : public Form {
public:
    explicit TAboutBox2(TForm1& owner);

    void FormShow();

    GroupBox& Panel1;
    Label& Label1;
    Label& Label2;
    Label& Label3;
    Label& Label6;
    Label& Label9;
    Label& Label5;
    Label& Label4;
    Label& Label8;
    Label& Label7;
    Button& OKButton;

private:
    TForm1& owner_;
};

} // namespace norvik
