#pragma once

#include "kit/Form.h"
#include "phonebook/PhoneLine.h"

namespace norvik {

class TForm1;

// The add-record dialog: a name and twelve optional fields, each enabled by
// the check box beside it. Created afresh for every Add, so it always opens
// with the name empty and every optional field unchecked, disabled and
// holding the unset marker.
class TForm2 : public Form {
public:
    explicit TForm2(TForm1& owner);

    // Applies the language lines; the fields are left as they are, so that a
    // second showing after the empty-name message keeps what was entered.
    void FormShow();

    void CheckBox5Click();
    void CheckBox1Click();
    void CheckBox7Click();
    void CheckBox16Click();
    void CheckBox8Click();
    void CheckBox9Click();
    void CheckBox6Click();
    void CheckBox12Click();
    void CheckBox10Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();

    // The fields as the phone line builder reads them.
    PhoneRecord record() const;

    Label& Label1;
    Edit& Edit1;
    CheckBox& CheckBox5;
    Edit& Edit6;
    CheckBox& CheckBox1;
    Edit& Edit2;
    CheckBox& CheckBox7;
    Edit& Edit7;
    CheckBox& CheckBox16;
    Edit& Edit8;
    CheckBox& CheckBox8;
    Edit& Edit9;
    CheckBox& CheckBox9;
    Edit& Edit10;
    CheckBox& CheckBox6;
    Edit& Edit12;
    CheckBox& CheckBox12;
    Edit& Edit14;
    CheckBox& CheckBox10;
    Edit& Edit11;
    CheckBox& CheckBox2;
    Edit& Edit3;
    CheckBox& CheckBox3;
    Edit& Edit4;
    CheckBox& CheckBox4;
    Edit& Edit5;
    Button& Button1;
    Button& Button2;

private:
    // Checking a row's box opens its field empty; unchecking discards what
    // was typed and puts the unset marker back.
    static void toggleRow(const CheckBox& box, Edit& field);

    TForm1& owner_;
};

} // namespace norvik
