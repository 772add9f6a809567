// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/TAboutBox2.h"

#include "desktop/PixelFont.h"
#include "language/Language.h"
#include "store/Codec1251.h"

namespace norvik {

namespace {

// The groups of people the program thanks keep their design texts in every
// language. Each label has its design place; the texts are chosen to come
// out centred in the panel there.
void thankedGroup(Label& label, int left, int top, std::string_view name) {
    label.setBounds(left, top, 0, 0);
    label.font = pixelFont("Courier New", 19);
    label.caption = cp1251::literal(name);
}

void thanks(Label& label, int left, int top, int width, int height, std::string_view design) {
    label.setBounds(left, top, width, height);
    label.autoSize = false;
    label.wordWrap = true;
    label.font = pixelFont("Comic Sans MS", 16);
    label.caption = cp1251::literal(design);
}

} // namespace

TAboutBox2::TAboutBox2(const DialogContext& context)
    : Form(context.platform(), "TAboutBox2"), Panel1(add<GroupBox>(nullptr, "Panel1")),
      Label1(add<Label>(&Panel1, "Label1")), Label2(add<Label>(&Panel1, "Label2")),
      Label3(add<Label>(&Panel1, "Label3")), Label6(add<Label>(&Panel1, "Label6")),
      Label9(add<Label>(&Panel1, "Label9")), Label5(add<Label>(&Panel1, "Label5")),
      Label4(add<Label>(&Panel1, "Label4")), Label8(add<Label>(&Panel1, "Label8")),
      Label7(add<Label>(&Panel1, "Label7")), OKButton(add<Button>(nullptr, "OKButton")),
      context_(context) {
    caption = cp1251::literal("Официальные тестеры");
    clientWidth = 303;
    clientHeight = 389;

    Panel1.setBounds(8, 8, 289, 345);
    Label1.setBounds(14, 8, 0, 0);
    Label1.font = pixelFont("Courier New", 27, {.bold = true, .italic = true});
    Label1.caption = cp1251::literal("Огромное спасибо");
    thankedGroup(Label2, 38, 56, "Всем пользователям");
    thankedGroup(Label3, 71, 80, "Авторам писем");
    thankedGroup(Label6, 99, 104, "Критикам");
    thankedGroup(Label9, 100, 128, "Коллегам");
    thankedGroup(Label5, 112, 152, "Родным");
    thankedGroup(Label4, 122, 176, "Вам!");
    thanks(Label8, 11, 200, 262, 57,
           "Тестеры программы — ее пользователи, приславшие свои отзывы и замечания.");
    thanks(Label7, 8, 262, 277, 69,
           "За многократную безвозмездную помощь в создании и тестировании этой программы.");

    OKButton.setBounds(119, 356, 75, 25);
    OKButton.caption = "OK";
    OKButton.modalResult = mrOk;
    // The one button both confirms and closes.
    defaultButton = &OKButton;
    cancelButton = &OKButton;

    onShow = [this] { FormShow(); };
}

void TAboutBox2::FormShow() {
    caption = context_.line(Line::TestersTitle);
    Label1.caption = context_.line(Line::TestersThanks);
    applyFitRule(*this, Label1);
    Label8.caption = context_.line(Line::TestersWho);
    Label7.caption = context_.line(Line::TestersWhy);
}

} // namespace norvik
