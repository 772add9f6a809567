// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/TForm6.h"

#include "kit/DialogLook.h"
#include "store/Codec1251.h"

namespace norvik {

TForm6::TForm6(const DialogContext& context)
    : Form(context.platform(), "TForm6"), Label1(add<Label>(nullptr, "Label1")),
      Edit1(add<Edit>(nullptr, "Edit1")), Button1(add<Button>(nullptr, "Button1")),
      Button2(add<Button>(nullptr, "Button2")), context_(context) {
    caption = cp1251::literal("Ввод");
    clientWidth = 185;
    clientHeight = 97;
    paintDialog(*this);

    Label1.setBounds(8, 8, 169, 13);
    Label1.caption = cp1251::literal("Введите искомую строку:");
    paintOnDialog(Label1);
    Edit1.setBounds(8, 28, 169, 21);

    Button1.setBounds(8, 62, 81, 25);
    Button1.caption = cp1251::literal("Искать");
    Button1.modalResult = mrOk;
    Button2.setBounds(96, 62, 81, 25);
    Button2.caption = cp1251::literal("Отмена");
    Button2.modalResult = mrCancel;
    defaultButton = &Button1;
    cancelButton = &Button2;

    onShow = [this] { FormShow(); };
}

void TForm6::FormShow() {
    caption = context_.line(Line::SearchTitle);
    Label1.caption = context_.line(Line::SearchPrompt);
    Button1.caption = context_.line(Line::SearchButton);
    Button2.caption = context_.line(Line::SearchCancel);
}

} // namespace norvik
