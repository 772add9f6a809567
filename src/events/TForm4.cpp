// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/TForm4.h"

#include "events/EventDateCheck.h"
#include "kit/DialogLook.h"
#include "store/Codec1251.h"

namespace norvik {

TForm4::TForm4(const DialogContext& context, const ListBox& events)
    : Form(context.platform(), "TForm4"), Label1(add<Label>(nullptr, "Label1")),
      Edit1(add<Edit>(nullptr, "Edit1")), Button1(add<Button>(nullptr, "Button1")),
      Button2(add<Button>(nullptr, "Button2")), context_(context), events_(events) {
    caption = cp1251::literal("Редактировать событие");
    clientWidth = 401;
    clientHeight = 97;
    paintDialog(*this);

    Label1.setBounds(16, 12, 140, 13);
    Label1.caption = cp1251::literal("Отредактируйте событие:");
    paintOnDialog(Label1);
    Edit1.setBounds(16, 32, 369, 21);

    Button1.setBounds(122, 64, 75, 25);
    Button1.caption = cp1251::literal("ОК");
    Button1.modalResult = mrOk;
    Button2.setBounds(206, 64, 75, 25);
    Button2.caption = cp1251::literal("Отмена");
    Button2.modalResult = mrCancel;
    defaultButton = &Button1;
    cancelButton = &Button2;

    onShow = [this] { FormShow(); };
    onActivate = [this] { FormActivate(); };
    Button1.onClick = [this] { Button1Click(); };
}

void TForm4::Button1Click() {
    if (!acceptEventLine(context_, Edit1.text())) {
        modalResult = mrNone;
    }
}

void TForm4::fillFromList() {
    const ListBox& list = events_;
    if (list.empty()) {
        // Nothing to take; what the field holds stays, and OK writes nothing.
        return;
    }
    filledIndex_ = list.current();
    filledText_ = list.item(filledIndex_);
    Edit1.setText(filledText_);
}

void TForm4::FormShow() {
    fillFromList();
    caption = context_.line(Line::EditEventTitle);
    Label1.caption = context_.line(Line::EditEventLabel);
    Button1.caption = context_.line(Line::EditEventOk);
    Button2.caption = context_.line(Line::EditEventCancel);
}

void TForm4::FormActivate() {
    const ListBox& list = events_;
    if (list.empty()) {
        return;
    }
    const int index = list.current();
    if (index != filledIndex_ || list.item(index) != filledText_) {
        fillFromList();
    }
}

} // namespace norvik
