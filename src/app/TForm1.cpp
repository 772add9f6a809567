// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "desktop/TTrayIcon.h"
#include "events/EventTimes.h"
#include "events/ReminderMemory.h"
#include "kit/Platform.h"
#include "language/DialogContext.h"
#include "language/Language.h"
#include "settings/MainWindowColors.h"
#include "store/Codec1251.h"
#include "store/FileStore.h"

namespace norvik {

namespace {

Font makeFont(const char* name, int size, Color color = clWindowText, bool bold = false) {
    Font f;
    f.name = name;
    f.size = size;
    f.color = color;
    f.bold = bold;
    return f;
}

// The frames of the four panels and the labels on them share one look.
const Font panelFont = makeFont("Courier New", 10, clWindow);

void imageButton(Button& button, int left, int top, const char* glyph, std::string_view hint) {
    button.setBounds(left, top, 23, 22);
    button.glyph = glyph;
    button.hint = cp1251::literal(hint);
}

void dataList(ListBox& list, int extent) {
    list.color = clSkyBlue;
    list.font = makeFont("Impact", 11, clBlack);
    list.itemHeight = 19;
    list.multiSelect = true;
    list.horizontalExtent = extent;
}

void dateField(Edit& edit, int left, int width, std::size_t maxLength) {
    edit.setBounds(left, 93, width, 24);
    edit.maxLength = maxLength;
    edit.color = clSkyBlue;
    edit.font = makeFont("Arial", 10);
}

} // namespace

TForm1::TForm1(Platform& platform, FileStore& files)
    : Form(platform, "TForm1"), Quotes(addMenuItem(nullptr, "Quotes", cp1251::literal("Заметки"))),
      N8(addMenuItem(&Quotes, "N8", cp1251::literal("Сохранить"))),
      N9(addMenuItem(&Quotes, "N9", cp1251::literal("Очистить"))),
      N10(addMenuItem(&Quotes, "N10", cp1251::literal("Поиск..."))),
      Events(addMenuItem(nullptr, "Events", cp1251::literal("События"))),
      N11(addMenuItem(&Events, "N11", cp1251::literal("Добавить..."))),
      N12(addMenuItem(&Events, "N12", cp1251::literal("Редактировать..."))),
      N13(addMenuItem(&Events, "N13", cp1251::literal("Удалить"))),
      N14(addMenuItem(&Events, "N14", cp1251::literal("Поиск..."))),
      Telephones(addMenuItem(nullptr, "Telephones", cp1251::literal("Телефоны"))),
      N15(addMenuItem(&Telephones, "N15", cp1251::literal("Добавить..."))),
      N16(addMenuItem(&Telephones, "N16", cp1251::literal("Редактировать..."))),
      N17(addMenuItem(&Telephones, "N17", cp1251::literal("Удалить"))),
      N18(addMenuItem(&Telephones, "N18", cp1251::literal("Поиск..."))),
      Configurations(addMenuItem(nullptr, "Configurations", cp1251::literal("Настройки"))),
      SystemTray(addMenuItem(nullptr, "SystemTray", cp1251::literal("В трей"))),
      Helps(addMenuItem(nullptr, "Helps", cp1251::literal("Справка"))),
      N23(addMenuItem(&Helps, "N23", cp1251::literal("Помощь"))),
      N21(addMenuItem(&Helps, "N21", cp1251::literal("О программе"))),
      N22(addMenuItem(&Helps, "N22", "-")),
      N1(addMenuItem(&Helps, "N1", cp1251::literal("Официальные тестеры"))),
      N20(addMenuItem(&Helps, "N20", cp1251::literal("Об авторе"))),
      N2(addMenuItem(&Helps, "N2", cp1251::literal("Сайт программы"))),
      Exit(addMenuItem(nullptr, "Exit", cp1251::literal("Выход"))),
      PopupMenu1(add<MenuItem>(nullptr, "PopupMenu1")),
      N24(addMenuItem(&PopupMenu1, "N24", cp1251::literal("Восстановить"))),
      N25(addMenuItem(&PopupMenu1, "N25", cp1251::literal("Оповещение вкл."))),
      N26(addMenuItem(&PopupMenu1, "N26", "-")),
      N27(addMenuItem(&PopupMenu1, "N27", cp1251::literal("Выход"))),
      Image1(add<Image>(nullptr, "Image1")), Image2(add<Image>(nullptr, "Image2")),
      GroupBox1(add<GroupBox>(nullptr, "GroupBox1")), Label1(add<Label>(&GroupBox1, "Label1")),
      Memo1(add<Memo>(&GroupBox1, "Memo1")), Button2(add<Button>(&GroupBox1, "Button2")),
      Button1(add<Button>(&GroupBox1, "Button1")), BitBtn6(add<Button>(&GroupBox1, "BitBtn6")),
      GroupBox2(add<GroupBox>(nullptr, "GroupBox2")),
      ListBox1(add<ListBox>(&GroupBox2, "ListBox1")), Button3(add<Button>(&GroupBox2, "Button3")),
      Button10(add<Button>(&GroupBox2, "Button10")), Button4(add<Button>(&GroupBox2, "Button4")),
      BitBtn7(add<Button>(&GroupBox2, "BitBtn7")), GroupBox3(add<GroupBox>(nullptr, "GroupBox3")),
      ListBox2(add<ListBox>(&GroupBox3, "ListBox2")), Button5(add<Button>(&GroupBox3, "Button5")),
      Button6(add<Button>(&GroupBox3, "Button6")), Button11(add<Button>(&GroupBox3, "Button11")),
      BitBtn8(add<Button>(&GroupBox3, "BitBtn8")), GroupBox5(add<GroupBox>(nullptr, "GroupBox5")),
      DateTimePicker1(add<DatePicker>(&GroupBox5, "DateTimePicker1")),
      Label2(add<Label>(&GroupBox5, "Label2")), Label3(add<Label>(&GroupBox5, "Label3")),
      Edit1(add<Edit>(&GroupBox5, "Edit1")), Label4(add<Label>(&GroupBox5, "Label4")),
      Edit2(add<Edit>(&GroupBox5, "Edit2")), Label5(add<Label>(&GroupBox5, "Label5")),
      Edit3(add<Edit>(&GroupBox5, "Edit3")), Button12(add<Button>(&GroupBox5, "Button12")),
      CheckBox1(add<CheckBox>(&GroupBox5, "CheckBox1")),
      ListBox3(add<ListBox>(nullptr, "ListBox3")), LangBox(add<ListBox>(nullptr, "LangBox")),
      TrayIcon1(addComponent<TrayIcon>("TrayIcon1")), Timer(addComponent<norvik::Timer>("Timer")),
      SyncTimer(addComponent<norvik::Timer>("SyncTimer")),
      trayIconComponent_(std::make_unique<TTrayIcon>(TrayIcon1)), trayIcon(*trayIconComponent_),
      files_(files), eventTimes_(std::make_unique<EventTimes>()),
      reminderMemory_(std::make_unique<ReminderMemory>()) {
    caption = "Norvik (Vellum Edition)";
    clientWidth = 801;
    clientHeight = 593;
    font = makeFont("MS Sans Serif", 8);
    minimizeBox = true;

    Image1.setBounds(0, 328, 801, 65);
    Image1.picture = "banner";
    Image2.setBounds(320, 208, 161, 120);
    Image2.picture = "emblem";

    GroupBox1.setBounds(0, 0, 313, 321);
    GroupBox1.caption = cp1251::literal(" Дневник ");
    GroupBox1.font = panelFont;
    Label1.setBounds(8, 20, 0, 0);
    Label1.caption = cp1251::literal("Текущие заметки:");
    Label1.font = makeFont("Courier New", 10, clWindow, true);
    Memo1.setBounds(8, 40, 297, 241);
    Memo1.color = clSkyBlue;
    Memo1.font = makeFont("Monotype Corsiva", 16, clBlack);
    Memo1.verticalScrollBar = true;
    Memo1.hideSelection = false;
    Memo1.setText(cp1251::literal("Новые настройки"));
    imageButton(Button2, 112, 288, "save", "Сохранить изменения");
    Button2.enabled = false;
    imageButton(Button1, 144, 288, "clear", "Очистить");
    Button1.enabled = false;
    imageButton(BitBtn6, 176, 288, "search", "Запуск поиска");

    GroupBox2.setBounds(488, 0, 313, 321);
    GroupBox2.caption = cp1251::literal(" Управление списком дел ");
    GroupBox2.font = panelFont;
    ListBox1.setBounds(8, 22, 297, 259);
    dataList(ListBox1, 5500);
    imageButton(Button3, 104, 288, "add", "Добавить событие");
    imageButton(Button10, 136, 288, "edit", "Редактировать событие");
    imageButton(Button4, 168, 288, "delete", "Удалить событие");
    imageButton(BitBtn7, 200, 288, "search", "Запуск поиска");

    GroupBox3.setBounds(0, 400, 801, 193);
    GroupBox3.caption = cp1251::literal(" Телефонный справочник ");
    GroupBox3.font = panelFont;
    ListBox2.setBounds(8, 20, 753, 165);
    dataList(ListBox2, 2000);
    imageButton(Button5, 768, 48, "add", "Добавить запись");
    imageButton(Button6, 768, 80, "edit", "Редактировать запись");
    imageButton(Button11, 768, 112, "delete", "Удалить запись");
    imageButton(BitBtn8, 768, 144, "search", "Запуск поиска");

    GroupBox5.setBounds(320, 0, 161, 201);
    GroupBox5.caption = cp1251::literal(" Календарь ");
    GroupBox5.font = panelFont;
    DateTimePicker1.setBounds(24, 24, 113, 23);
    DateTimePicker1.color = clSkyBlue;
    DateTimePicker1.font = makeFont("Times New Roman", 10);
    for (Label* label : {&Label2, &Label3, &Label4, &Label5}) {
        label->font = panelFont;
    }
    Label2.setBounds(8, 56, 0, 0);
    Label2.caption = cp1251::literal("Перейти к дате:");
    Label3.setBounds(6, 72, 0, 0);
    Label3.caption = cp1251::literal("(формат ДД-ММ-ГГГГ)");
    dateField(Edit1, 9, 29, 2);
    Label4.setBounds(43, 96, 0, 0);
    Label4.caption = "-";
    dateField(Edit2, 57, 29, 2);
    Label5.setBounds(92, 96, 0, 0);
    Label5.caption = "-";
    dateField(Edit3, 105, 45, 4);
    Button12.setBounds(46, 127, 75, 25);
    Button12.caption = cp1251::literal("Переход");
    Button12.hint = cp1251::literal("Перейти к введенной дате");
    Button12.font = makeFont("Courier New", 10);
    CheckBox1.setBounds(12, 176, 139, 17);
    CheckBox1.caption = cp1251::literal("Оповещение вкл.");
    CheckBox1.font = panelFont;

    setBackgroundColor(clNavy);

    ListBox3.visible = false;
    LangBox.visible = false;
    Timer.enabled = false;
    Timer.interval = 1000;
    SyncTimer.enabled = false;
    SyncTimer.interval = 60000;

    connectApplication();
    connectNotes();
    connectEvents();
    connectScheduler();
    connectPhoneBook();
    connectSearch();
    connectCalendar();
    connectDesktop();
    connectSettings();
    SyncTimer.onTimer = [this] { SyncTimerTimer(); };
}

TForm1::~TForm1() = default;

Text TForm1::LangLine(Line line) const {
    return dialogContext().line(line);
}

int TForm1::ask(Line text, Line title, int flags) {
    return dialogContext().ask(text, title, flags);
}

DialogContext TForm1::dialogContext() const {
    return {platform(), LangBox, loadedModule_};
}

MainWindowColors TForm1::mainWindowColors() {
    return {
        .background = [this] { return color; },
        .captions = [this] { return Label1.font.color; },
        .setBackground = [this](Color value) { setBackgroundColor(value); },
        .setCaptions = [this](Color value) { setCaptionColor(value); },
    };
}

void TForm1::setBackgroundColor(Color value) {
    color = value;
    for (Control* control :
         std::initializer_list<Control*>{&GroupBox1, &GroupBox2, &GroupBox3, &GroupBox5, &Label1,
                                         &Label2, &Label3, &Label4, &Label5, &CheckBox1}) {
        control->color = value;
    }
}

void TForm1::setCaptionColor(Color value) {
    for (Control* control :
         std::initializer_list<Control*>{&Label1, &Label2, &Label3, &Label4, &Label5, &GroupBox1,
                                         &GroupBox2, &GroupBox3, &GroupBox5}) {
        control->font.color = value;
    }
}

void TForm1::endProgram() {
    ended_ = true;
    platform().terminate();
}

void TForm1::connectApplication() {
    Exit.onClick = [this] { ExitClick(); };
    CheckBox1.onClick = [this] { CheckBox1Click(); };
    onCloseRequest = [this] { FormClose(); };
}

} // namespace norvik
