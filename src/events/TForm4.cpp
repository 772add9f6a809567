#include "events/TForm4.h"

#include "app/TForm1.h"
#include "kit/DialogLook.h"
#include "store/Codec1251.h"

namespace norvik {

TForm4::TForm4(TForm1& owner)
    : Form(owner.platform(), "TForm4"), Label1(add<Label>(nullptr, "Label1")),
      Edit1(add<Edit>(nullptr, "Edit1")), Button1(add<Button>(nullptr, "Button1")),
      Button2(add<Button>(nullptr, "Button2")), owner_(owner) {
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

    onShow = [this] { FormShow(); };
    onActivate = [this] { FormActivate(); };
}

void TForm4::fillFromList() {
    const ListBox& list = owner_.ListBox1;
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
    caption = owner_.LangLine(Line::EditEventTitle);
    Label1.caption = owner_.LangLine(Line::EditEventLabel);
    Button1.caption = owner_.LangLine(Line::EditEventOk);
    Button2.caption = owner_.LangLine(Line::EditEventCancel);
}

void TForm4::FormActivate() {
    const ListBox& list = owner_.ListBox1;
    if (list.empty()) {
        return;
    }
    const int index = list.current();
    if (index != filledIndex_ || list.item(index) != filledText_) {
        fillFromList();
    }
}

} // namespace norvik
