#pragma once

#include "kit/Form.h"

namespace norvik {

class TForm1;

// The add-event dialog: a date field that opens on the calendar's day at the
// present time, the event text, and whether to switch reminders on.
class TForm3 : public Form {
public:
    explicit TForm3(TForm1& owner);

    void FormShow();

    Label& Label1;
    Edit& Edit1;
    Label& Label3;
    Edit& Edit2;
    GroupBox& GroupBox1;
    RadioButton& RadioButton2;
    RadioButton& RadioButton1;
    Button& Button1;
    Button& Button2;

private:
    TForm1& owner_;
};

} // namespace norvik
