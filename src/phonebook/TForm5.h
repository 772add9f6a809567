#pragma once

#include "kit/Form.h"

namespace norvik {

class TForm1;

// The edit-record dialog: the current phone line as one editable text.
class TForm5 : public Form {
public:
    explicit TForm5(TForm1& owner);

    // Puts the current line of the phone list into the field, then applies
    // the language lines.
    void FormShow();

    Label& Label1;   // "Edit the entry:"
    Edit& Edit1;     // the whole phone line
    Button& Button1; // "OK" (result OK)
    Button& Button2; // "Cancel" (result Cancel)

private:
    TForm1& owner_;
};

} // namespace norvik
