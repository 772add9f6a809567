// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/TAboutBox.h"

#include "desktop/PixelFont.h"
#include "language/Language.h"
#include "store/Codec1251.h"

namespace norvik {

namespace {

void characteristic(Label& label, int top, std::string_view design) {
    label.setBounds(8, top, 0, 0);
    label.font = pixelFont("Courier New", 13);
    label.caption = cp1251::literal(design);
}

} // namespace

TAboutBox::TAboutBox(const DialogContext& context)
    : Form(context.platform(), "TAboutBox"), Panel1(add<GroupBox>(nullptr, "Panel1")),
      ProgramIcon(add<Image>(&Panel1, "ProgramIcon")),
      ProductName(add<Label>(&Panel1, "ProductName")), Label8(add<Label>(&Panel1, "Label8")),
      Copyright(add<Label>(&Panel1, "Copyright")), Comments(add<Label>(&Panel1, "Comments")),
      Panel2(add<GroupBox>(nullptr, "Panel2")), Label1(add<Label>(&Panel2, "Label1")),
      Label2(add<Label>(&Panel2, "Label2")), Label3(add<Label>(&Panel2, "Label3")),
      Label4(add<Label>(&Panel2, "Label4")), Label5(add<Label>(&Panel2, "Label5")),
      Label6(add<Label>(&Panel2, "Label6")), Image1(add<Image>(&Panel2, "Image1")),
      Label7(add<Label>(&Panel2, "Label7")), OKButton(add<Button>(nullptr, "OKButton")),
      context_(context) {
    caption = cp1251::literal("О программе");
    clientWidth = 326;
    clientHeight = 427;

    Panel1.setBounds(8, 8, 313, 157);
    ProgramIcon.setBounds(8, 8, 65, 65);
    ProgramIcon.picture = "norvik";
    ProgramIcon.stretch = true;
    ProductName.setBounds(104, 8, 0, 0);
    ProductName.font = pixelFont("Impact", 19);
    ProductName.caption = cp1251::literal("«Norvik»");
    Label8.setBounds(128, 40, 169, 27);
    Label8.autoSize = false;
    Label8.font =
        pixelFont("Courier New", 20, {.bold = true, .italic = true, .underline = true}, clBlue);
    Label8.caption = "Vellum Edition";
    Copyright.setBounds(8, 80, 0, 0);
    Copyright.font = pixelFont("Impact", 15);
    Copyright.caption = cp1251::literal("E-mail автора: norvik@example.org");
    Comments.setBounds(8, 112, 275, 34);
    Comments.autoSize = false;
    Comments.wordWrap = true;
    Comments.font = pixelFont("Impact", 13);
    Comments.caption =
        cp1251::literal("Все пожелания и предложения отправляйте на вышеуказанный адрес e-mail.");

    Panel2.setBounds(8, 170, 312, 223);
    Label1.setBounds(50, 0, 0, 0);
    Label1.font = pixelFont("Courier New", 13, {.underline = true});
    Label1.caption = cp1251::literal("Программные характеристики");
    characteristic(Label2, 32, "Тип: ежедневник для одного человека");
    characteristic(Label3, 56,
                   "Состав: заметки, события с напоминаниями, телефонный справочник и календарь");
    Label3.setBounds(8, 56, 296, 48);
    Label3.autoSize = false;
    Label3.wordWrap = true;
    characteristic(Label4, 112, "Требуемая ОС: любая графическая");
    characteristic(Label5, 136, "Требуемый процессор: любой");
    characteristic(Label6, 160, "Объем исполняемого файла: 1.44 Мб");
    Image1.setBounds(8, 184, 20, 20);
    Image1.picture = "screen";
    Label7.setBounds(32, 184, 0, 0);
    Label7.font = pixelFont("Comic Sans MS", 13, {.bold = true});
    Label7.caption = cp1251::literal("Нужное разрешение монитора: 1024х768");

    OKButton.setBounds(127, 396, 75, 25);
    OKButton.caption = "OK";
    OKButton.modalResult = mrOk;
    // The one button both confirms and closes.
    defaultButton = &OKButton;
    cancelButton = &OKButton;

    onShow = [this] { FormShow(); };
}

void TAboutBox::FormShow() {
    caption = context_.line(Line::AboutTitle);
    ProductName.caption = context_.line(Line::AboutProductName);
    applyFitRule(*this, ProductName);
    Copyright.caption = context_.line(Line::AboutContact);
    Comments.caption = context_.line(Line::AboutComments);
    Label1.caption = context_.line(Line::AboutCharacteristics);
    applyFitRule(*this, Label1);
    Label2.caption = context_.line(Line::AboutKind);
    Label3.caption = context_.line(Line::AboutContents);
    Label4.caption = context_.line(Line::AboutSystem);
    Label5.caption = context_.line(Line::AboutProcessor);
    Label6.caption = context_.line(Line::AboutFileSize);
    Label7.caption = context_.line(Line::AboutScreen);
}

} // namespace norvik
