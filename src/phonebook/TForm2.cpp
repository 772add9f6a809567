// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonebook/TForm2.h"

#include "kit/DialogLook.h"
#include "store/Codec1251.h"

namespace norvik {

namespace {

constexpr int rowPitch = 26;
constexpr int firstRowTop = 40;
constexpr int fieldLeft = 152;
constexpr int fieldWidth = 225;

void placeRow(int row, CheckBox& box, std::string_view caption, Edit& field) {
    const int top = firstRowTop + row * rowPitch;
    box.setBounds(16, top + 2, 129, 17);
    box.caption = cp1251::literal(caption);
    paintOnDialog(box);
    field.setBounds(fieldLeft, top, fieldWidth, 21);
    field.enabled = false;
    field.setText(unsetMarker);
}

void placeButton(Button& button, int left, std::string_view caption, int result) {
    button.setBounds(left, 360, 81, 25);
    button.caption = cp1251::literal(caption);
    button.modalResult = result;
}

} // namespace

// The controls are created in input order: each box before its field, the
// rows top to bottom, then the two buttons.
TForm2::TForm2(const DialogContext& context)
    : Form(context.platform(), "TForm2"), Label1(add<Label>(nullptr, "Label1")),
      Edit1(add<Edit>(nullptr, "Edit1")), CheckBox5(add<CheckBox>(nullptr, "CheckBox5")),
      Edit6(add<Edit>(nullptr, "Edit6")), CheckBox1(add<CheckBox>(nullptr, "CheckBox1")),
      Edit2(add<Edit>(nullptr, "Edit2")), CheckBox7(add<CheckBox>(nullptr, "CheckBox7")),
      Edit7(add<Edit>(nullptr, "Edit7")), CheckBox16(add<CheckBox>(nullptr, "CheckBox16")),
      Edit8(add<Edit>(nullptr, "Edit8")), CheckBox8(add<CheckBox>(nullptr, "CheckBox8")),
      Edit9(add<Edit>(nullptr, "Edit9")), CheckBox9(add<CheckBox>(nullptr, "CheckBox9")),
      Edit10(add<Edit>(nullptr, "Edit10")), CheckBox6(add<CheckBox>(nullptr, "CheckBox6")),
      Edit12(add<Edit>(nullptr, "Edit12")), CheckBox12(add<CheckBox>(nullptr, "CheckBox12")),
      Edit14(add<Edit>(nullptr, "Edit14")), CheckBox10(add<CheckBox>(nullptr, "CheckBox10")),
      Edit11(add<Edit>(nullptr, "Edit11")), CheckBox2(add<CheckBox>(nullptr, "CheckBox2")),
      Edit3(add<Edit>(nullptr, "Edit3")), CheckBox3(add<CheckBox>(nullptr, "CheckBox3")),
      Edit4(add<Edit>(nullptr, "Edit4")), CheckBox4(add<CheckBox>(nullptr, "CheckBox4")),
      Edit5(add<Edit>(nullptr, "Edit5")), Button1(add<Button>(nullptr, "Button1")),
      Button2(add<Button>(nullptr, "Button2")), context_(context) {
    caption = cp1251::literal("Добавить запись в справочник");
    clientWidth = 393;
    clientHeight = 397;
    paintDialog(*this);

    Label1.setBounds(16, 15, 0, 0);
    Label1.caption = cp1251::literal("ФИО:");
    Label1.font.color = clWhite;
    Edit1.setBounds(fieldLeft, 12, fieldWidth, 21);

    placeRow(0, CheckBox5, "Страна:", Edit6);
    placeRow(1, CheckBox1, "Индекс:", Edit2);
    placeRow(2, CheckBox7, "Область:", Edit7);
    placeRow(3, CheckBox16, "Город:", Edit8);
    placeRow(4, CheckBox8, "Улица:", Edit9);
    placeRow(5, CheckBox9, "Дом:", Edit10);
    placeRow(6, CheckBox6, "Корпус:", Edit12);
    placeRow(7, CheckBox12, "Строение:", Edit14);
    placeRow(8, CheckBox10, "Квартира:", Edit11);
    placeRow(9, CheckBox2, "Мобильный телефон:", Edit3);
    placeRow(10, CheckBox3, "Телефон:", Edit4);
    placeRow(11, CheckBox4, "Факс:", Edit5);

    placeButton(Button1, 108, "Добавить", mrOk);
    placeButton(Button2, 204, "Отмена", mrCancel);
    defaultButton = &Button1;
    cancelButton = &Button2;

    onShow = [this] { FormShow(); };
    CheckBox5.onClick = [this] { CheckBox5Click(); };
    CheckBox1.onClick = [this] { CheckBox1Click(); };
    CheckBox7.onClick = [this] { CheckBox7Click(); };
    CheckBox16.onClick = [this] { CheckBox16Click(); };
    CheckBox8.onClick = [this] { CheckBox8Click(); };
    CheckBox9.onClick = [this] { CheckBox9Click(); };
    CheckBox6.onClick = [this] { CheckBox6Click(); };
    CheckBox12.onClick = [this] { CheckBox12Click(); };
    CheckBox10.onClick = [this] { CheckBox10Click(); };
    CheckBox2.onClick = [this] { CheckBox2Click(); };
    CheckBox3.onClick = [this] { CheckBox3Click(); };
    CheckBox4.onClick = [this] { CheckBox4Click(); };
}

void TForm2::FormShow() {
    caption = context_.line(Line::AddRecordTitle);
    Label1.caption = context_.line(Line::AddRecordName);
    CheckBox5.caption = context_.line(Line::AddRecordCountry);
    CheckBox1.caption = context_.line(Line::AddRecordPostcode);
    CheckBox7.caption = context_.line(Line::AddRecordRegion);
    CheckBox16.caption = context_.line(Line::AddRecordCity);
    CheckBox8.caption = context_.line(Line::AddRecordStreet);
    CheckBox9.caption = context_.line(Line::AddRecordHouse);
    CheckBox6.caption = context_.line(Line::AddRecordBuilding);
    CheckBox12.caption = context_.line(Line::AddRecordStructure);
    CheckBox10.caption = context_.line(Line::AddRecordFlat);
    CheckBox2.caption = context_.line(Line::AddRecordMobile);
    CheckBox3.caption = context_.line(Line::AddRecordTelephone);
    CheckBox4.caption = context_.line(Line::AddRecordFax);
    Button1.caption = context_.line(Line::AddRecordAdd);
    Button2.caption = context_.line(Line::AddRecordCancel);
}

void TForm2::toggleRow(const CheckBox& box, Edit& field) {
    field.enabled = box.checked();
    field.setText(box.checked() ? Text() : Text(unsetMarker));
}

void TForm2::CheckBox5Click() {
    toggleRow(CheckBox5, Edit6);
}

void TForm2::CheckBox1Click() {
    toggleRow(CheckBox1, Edit2);
}

void TForm2::CheckBox7Click() {
    toggleRow(CheckBox7, Edit7);
}

void TForm2::CheckBox16Click() {
    toggleRow(CheckBox16, Edit8);
}

void TForm2::CheckBox8Click() {
    toggleRow(CheckBox8, Edit9);
}

void TForm2::CheckBox9Click() {
    toggleRow(CheckBox9, Edit10);
}

void TForm2::CheckBox6Click() {
    toggleRow(CheckBox6, Edit12);
}

void TForm2::CheckBox12Click() {
    toggleRow(CheckBox12, Edit14);
}

void TForm2::CheckBox10Click() {
    toggleRow(CheckBox10, Edit11);
}

void TForm2::CheckBox2Click() {
    toggleRow(CheckBox2, Edit3);
}

void TForm2::CheckBox3Click() {
    toggleRow(CheckBox3, Edit4);
}

void TForm2::CheckBox4Click() {
    toggleRow(CheckBox4, Edit5);
}

PhoneRecord TForm2::record() const {
    PhoneRecord r;
    r.name = Edit1.text();
    r.country = Edit6.text();
    r.postcode = Edit2.text();
    r.city = Edit8.text();
    r.region = Edit7.text();
    r.street = Edit9.text();
    r.house = Edit10.text();
    r.building = Edit12.text();
    r.structure = Edit14.text();
    r.flat = Edit11.text();
    r.mobile = Edit3.text();
    r.telephone = Edit4.text();
    r.fax = Edit5.text();
    return r;
}

} // namespace norvik
