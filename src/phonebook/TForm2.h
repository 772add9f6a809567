// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controls.h"
#include "kit/Form.h"
#include "language/DialogContext.h"
#include "phonebook/PhoneLine.h"

namespace norvik {

// The add-record dialog: a name and twelve optional fields, each enabled by
// the check box beside it. Created afresh for every Add, so it always opens
// with the name empty and every optional field unchecked, disabled and
// holding the unset marker.
class TForm2 : public Form {
public:
    explicit TForm2(const DialogContext& context);

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

    Label& Label1;        // "Full name:"
    Edit& Edit1;          // full name (required)
    CheckBox& CheckBox5;  // "Country:" box: enables Edit6
    Edit& Edit6;          // country
    CheckBox& CheckBox1;  // "Postcode:" box: enables Edit2
    Edit& Edit2;          // postcode
    CheckBox& CheckBox7;  // "Region:" box: enables Edit7
    Edit& Edit7;          // region
    CheckBox& CheckBox16; // "City:" box: enables Edit8
    Edit& Edit8;          // city
    CheckBox& CheckBox8;  // "Street:" box: enables Edit9
    Edit& Edit9;          // street
    CheckBox& CheckBox9;  // "House:" box: enables Edit10
    Edit& Edit10;         // house
    CheckBox& CheckBox6;  // "Building:" box: enables Edit12
    Edit& Edit12;         // building
    CheckBox& CheckBox12; // "Structure:" box: enables Edit14
    Edit& Edit14;         // structure
    CheckBox& CheckBox10; // "Flat:" box: enables Edit11
    Edit& Edit11;         // flat
    CheckBox& CheckBox2;  // "Mobile phone:" box: enables Edit3
    Edit& Edit3;          // mobile phone
    CheckBox& CheckBox3;  // "Phone:" box: enables Edit4
    Edit& Edit4;          // phone
    CheckBox& CheckBox4;  // "Fax:" box: enables Edit5
    Edit& Edit5;          // fax
    Button& Button1;      // "Add" (result OK)
    Button& Button2;      // "Cancel" (result Cancel)

private:
    // Checking a row's box opens its field empty; unchecking discards what
    // was typed and puts the unset marker back.
    static void toggleRow(const CheckBox& box, Edit& field);

    DialogContext context_;
};

} // namespace norvik
