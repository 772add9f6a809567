#pragma once

#include "kit/Form.h"

namespace norvik {

class TForm1;

// The author box: a picture, the author's introduction and why the program
// was written.
class TAboutBox1 : public Form {
public:
    explicit TAboutBox1(TForm1& owner);

    void FormShow();

    GroupBox& GroupBox1;
    Image& Image2;
    Label& Label2;
    Label& Label1;
    Button& OKButton;

private:
    TForm1& owner_;
};

} // namespace norvik
