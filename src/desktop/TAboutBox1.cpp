// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/TAboutBox1.h"

#include "desktop/PixelFont.h"
#include "store/Codec1251.h"

namespace norvik {

namespace {

void paragraph(Label& label, int top, int width, std::string_view design) {
    label.setBounds(8, top, width, 95);
    label.autoSize = false;
    label.wordWrap = true;
    label.font = pixelFont("Impact", 15);
    label.caption = cp1251::literal(design);
}

} // namespace

TAboutBox1::TAboutBox1(const DialogContext& context)
    : Form(context.platform(), "TAboutBox1"), GroupBox1(add<GroupBox>(nullptr, "GroupBox1")),
      Image2(add<Image>(&GroupBox1, "Image2")), Label2(add<Label>(&GroupBox1, "Label2")),
      Label1(add<Label>(&GroupBox1, "Label1")), OKButton(add<Button>(nullptr, "OKButton")),
      context_(context) {
    caption = cp1251::literal("Об авторе");
    clientWidth = 401;
    clientHeight = 386;

    GroupBox1.setBounds(8, 0, 385, 353);
    GroupBox1.font = pixelFont("Impact", 16);
    Image2.setBounds(112, 24, 160, 120);
    Image2.picture = "author";
    paragraph(Label2, 152, 362,
              "Norvik создается одним автором как небольшая программа для личного "
              "пользования. Связаться с автором можно по адресу norvik@example.org.");
    paragraph(Label1, 248, 369,
              "Программа появилась из желания держать заметки, дела, напоминания и телефоны "
              "под рукой в одном окне, без лишних настроек и без подключения к сети. Все "
              "данные хранятся в обычных текстовых файлах рядом с программой.");

    OKButton.setBounds(163, 356, 75, 25);
    OKButton.caption = cp1251::literal("Закрыть");
    OKButton.modalResult = mrOk;
    // The one button both confirms and closes.
    defaultButton = &OKButton;
    cancelButton = &OKButton;

    onShow = [this] { FormShow(); };
}

void TAboutBox1::FormShow() {
    caption = context_.line(Line::AuthorTitle);
    Label2.caption = context_.line(Line::AuthorWho);
    Label1.caption = context_.line(Line::AuthorWhy);
    OKButton.caption = context_.line(Line::AuthorClose);
}

} // namespace norvik
