// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/TForm3.h"

#include "events/EventDateCheck.h"
#include "events/EventLine.h"
#include "kit/DialogLook.h"
#include "kit/Platform.h"
#include "language/Language.h"
#include "store/Codec1251.h"

namespace norvik {

TForm3::TForm3(const DialogContext& context, const DatePicker& calendar)
    : Form(context.platform(), "TForm3"), Label1(add<Label>(nullptr, "Label1")),
      Edit1(add<Edit>(nullptr, "Edit1")), Label3(add<Label>(nullptr, "Label3")),
      Edit2(add<Edit>(nullptr, "Edit2")), GroupBox1(add<GroupBox>(nullptr, "GroupBox1")),
      RadioButton2(add<RadioButton>(&GroupBox1, "RadioButton2")),
      RadioButton1(add<RadioButton>(&GroupBox1, "RadioButton1")),
      Button1(add<Button>(nullptr, "Button1")), Button2(add<Button>(nullptr, "Button2")),
      context_(context), calendar_(calendar) {
    caption = cp1251::literal("Добавить событие");
    clientWidth = 369;
    clientHeight = 161;
    paintDialog(*this);

    Label1.setBounds(39, 16, 32, 13);
    Label1.caption = cp1251::literal("Дата:");
    Edit1.setBounds(80, 12, 137, 21);
    Label3.setBounds(21, 48, 50, 13);
    Label3.caption = cp1251::literal("Событие:");
    Edit2.setBounds(80, 44, 273, 21);

    GroupBox1.setBounds(16, 76, 337, 41);
    GroupBox1.caption = cp1251::literal(" Активация оповещений ");
    RadioButton2.setBounds(16, 17, 137, 17);
    RadioButton2.caption = cp1251::literal("Не включать");
    RadioButton2.setChecked(true);
    RadioButton1.setBounds(184, 17, 137, 17);
    RadioButton1.caption = cp1251::literal("Включить");
    for (Control* control : std::initializer_list<Control*>{&Label1, &Label3, &GroupBox1,
                                                            &RadioButton2, &RadioButton1}) {
        paintOnDialog(*control);
    }

    Button1.setBounds(104, 128, 75, 25);
    Button1.caption = cp1251::literal("Добавить");
    Button1.modalResult = mrOk;
    Button2.setBounds(190, 128, 75, 25);
    Button2.caption = cp1251::literal("Отмена");
    Button2.modalResult = mrCancel;
    defaultButton = &Button1;
    cancelButton = &Button2;

    onShow = [this] { FormShow(); };
    Button1.onClick = [this] { Button1Click(); };
}

void TForm3::Button1Click() {
    // A missing date or text sends the user to a fresh dialog, which the
    // caller does.
    if (Edit1.empty() || Edit2.empty()) {
        return;
    }
    if (!acceptEventLine(context_, makeEventLine(Edit1.text(), Edit2.text()))) {
        modalResult = mrNone;
    }
}

void TForm3::FormShow() {
    Edit1.setText(defaultDateText(calendar_.date(), platform().now()));
    caption = context_.line(Line::AddEventTitle);
    Label1.caption = context_.line(Line::AddEventDate);
    applyFitRule(*this, Label1);
    Label3.caption = context_.line(Line::AddEventText);
    applyFitRule(*this, Label3);
    GroupBox1.caption = context_.line(Line::AddEventReminders);
    RadioButton2.caption = context_.line(Line::AddEventRemindersOff);
    RadioButton1.caption = context_.line(Line::AddEventRemindersOn);
    Button1.caption = context_.line(Line::AddEventAdd);
    Button2.caption = context_.line(Line::AddEventCancel);
}

} // namespace norvik
