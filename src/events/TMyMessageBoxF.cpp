// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/TMyMessageBoxF.h"

#include "language/Language.h"
#include "store/Codec1251.h"

namespace norvik {

namespace {

constexpr int fewestMinutes = 3;
constexpr int mostMinutes = 30;

} // namespace

TMyMessageBoxF::TMyMessageBoxF(const DialogContext& context)
    : Form(context.platform(), "TMyMessageBoxF"), Image1(add<Image>(nullptr, "Image1")),
      Label1(add<Label>(nullptr, "Label1")),
      RadioButton1(add<RadioButton>(nullptr, "RadioButton1")),
      Button1(add<Button>(nullptr, "Button1")),
      RadioButton2(add<RadioButton>(nullptr, "RadioButton2")), Edit1(add<Edit>(nullptr, "Edit1")),
      UpDown1(add<UpDown>(nullptr, "UpDown1")), Label2(add<Label>(nullptr, "Label2")),
      Button2(add<Button>(nullptr, "Button2")), context_(context) {
    caption = cp1251::literal("Информация");
    clientWidth = 273;
    clientHeight = 129;

    Image1.setBounds(12, 12, 33, 33);
    Image1.picture = "reminder";
    Label1.setBounds(56, 12, 205, 46);
    Label1.autoSize = false;
    Label1.wordWrap = true;

    RadioButton1.setBounds(12, 68, 75, 17);
    RadioButton1.caption = cp1251::literal("Забыть");
    Button1.setBounds(72, 65, 41, 23);
    Button1.caption = cp1251::literal("ОК");
    Button1.modalResult = mrOk;

    RadioButton2.setBounds(12, 100, 113, 17);
    RadioButton2.caption = cp1251::literal("Напомнить через:");
    Edit1.setBounds(128, 98, 25, 21);
    Edit1.readOnly = true;
    UpDown1.setBounds(153, 98, 16, 21);
    UpDown1.min = fewestMinutes;
    UpDown1.max = mostMinutes;
    UpDown1.wrap = false;
    UpDown1.associate = &Edit1;
    UpDown1.setPosition(fewestMinutes);
    Label2.setBounds(174, 102, 21, 13);
    Label2.caption = cp1251::literal("мин");
    Button2.setBounds(212, 96, 41, 23);
    Button2.caption = cp1251::literal("ОК");
    Button2.modalResult = mrRetry;
    // No default button: a reminder that opens while the user types must not
    // be answered by a stray Enter. Nor a cancel button: the box has none,
    // only its close box.

    RadioButton1.onClick = [this] { RadioButton1Click(); };
    RadioButton2.onClick = [this] { RadioButton2Click(); };
    // "Забыть" is the answer the box opens with.
    RadioButton1.setChecked(true);
    onShow = [this] { FormShow(); };
}

void TMyMessageBoxF::FormShow() {
    caption = context_.line(Line::ReminderTitle);
    RadioButton1.caption = context_.line(Line::ReminderForget);
    applyFitRule(*this, RadioButton1);
    RadioButton2.caption = context_.line(Line::ReminderAgain);
    Label2.caption = context_.line(Line::ReminderMinutes);
}

void TMyMessageBoxF::RadioButton1Click() {
    Edit1.enabled = false;
    UpDown1.enabled = false;
    Button2.enabled = false;
    Button1.enabled = true;
}

void TMyMessageBoxF::RadioButton2Click() {
    Edit1.enabled = true;
    UpDown1.enabled = true;
    Button2.enabled = true;
    Button1.enabled = false;
}

int TMyMessageBoxF::minutes() const {
    // The field is read-only and written only by the up-down, so its position
    // is the number the field shows.
    return UpDown1.position();
}

ReminderAnswer showReminder(const DialogContext& context, const Text& message) {
    TMyMessageBoxF dialog(context);
    dialog.Label1.caption = message;
    const int result = dialog.showModal();
    return {result, dialog.minutes()};
}

} // namespace norvik
