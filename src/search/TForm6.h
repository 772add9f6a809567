#pragma once

#include "kit/Form.h"

namespace norvik {

class TForm1;

// The search prompt: one line for the search string. A new prompt is made for
// every search, so the field always starts empty.
class TForm6 : public Form {
public:
    explicit TForm6(TForm1& owner);

    void FormShow();

    Label& Label1;
    Edit& Edit1;
    Button& Button1;
    Button& Button2;

private:
    TForm1& owner_;
};

} // namespace norvik
