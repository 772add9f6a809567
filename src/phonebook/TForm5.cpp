// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonebook/TForm5.h"

#include "kit/DialogLook.h"
#include "store/Codec1251.h"

namespace norvik {

TForm5::TForm5(const DialogContext& context, const ListBox& phones)
    : Form(context.platform(), "TForm5"), Label1(add<Label>(nullptr, "Label1")),
      Edit1(add<Edit>(nullptr, "Edit1")), Button1(add<Button>(nullptr, "Button1")),
      Button2(add<Button>(nullptr, "Button2")), context_(context), phones_(phones) {
    caption = cp1251::literal("Редактировать запись");
    clientWidth = 297;
    clientHeight = 105;
    paintDialog(*this);

    Label1.setBounds(8, 8, 0, 0);
    Label1.caption = cp1251::literal("Отредактируйте запись:");
    Label1.font.name = "Fixedsys";
    Label1.font.color = clWhite;
    Edit1.setBounds(8, 32, 281, 21);

    Button1.setBounds(56, 68, 81, 25);
    Button1.caption = cp1251::literal("ОК");
    Button1.modalResult = mrOk;
    Button2.setBounds(160, 68, 81, 25);
    Button2.caption = cp1251::literal("Отмена");
    Button2.modalResult = mrCancel;
    defaultButton = &Button1;
    cancelButton = &Button2;

    onShow = [this] { FormShow(); };
}

void TForm5::FormShow() {
    const ListBox& phones = phones_;
    if (phones.current() >= 0) {
        Edit1.setText(Text(phones.item(phones.current())));
    }
    caption = context_.line(Line::EditRecordTitle);
    Label1.caption = context_.line(Line::EditRecordLabel);
    Button1.caption = context_.line(Line::EditRecordOk);
    Button2.caption = context_.line(Line::EditRecordCancel);
}

} // namespace norvik
