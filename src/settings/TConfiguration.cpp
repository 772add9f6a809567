// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/TConfiguration.h"

#include "kit/Dispatch.h"
#include "kit/Platform.h"
#include "language/Language.h"
#include "settings/SettingsChoices.h"
#include "store/Codec1251.h"
#include "store/ColorNames.h"
#include "store/DataFiles.h"
#include "store/FileStore.h"
#include "store/Settings.h"

#include <initializer_list>
#include <utility>

namespace norvik {

namespace {

constexpr std::size_t longestMessageText = 120;
// Entry i of each list is the choice i of SettingsChoices.
constexpr Line colorEntryLines[] = {
    Line::ColorDefault, Line::ColorWhite,  Line::ColorSkyBlue,    Line::ColorBlue,
    Line::ColorRed,     Line::ColorGreen,  Line::ColorLightGreen, Line::ColorFuchsia,
    Line::ColorPurple,  Line::ColorMaroon, Line::ColorBlack,
};
constexpr Line delimiterEntryLines[] = {
    Line::DelimiterStandard,
    Line::DelimiterType1,
    Line::DelimiterType2,
    Line::DelimiterOff,
};

Lines ruLines(std::initializer_list<std::string_view> texts) {
    Lines lines;
    for (const auto text : texts) {
        lines.push_back(cp1251::literal(text));
    }
    return lines;
}

void placeList(ComboBox& list, int top) {
    list.setBounds(128, top, 137, 21);
}

// A list opens on the entry standing for the value in force; a value no
// entry stands for shows as the list's own text, and Accept then keeps it.
void openOn(ComboBox& list, int entry, const Text& valueText) {
    if (entry >= 0 && entry < static_cast<int>(list.items.size())) {
        list.setItemIndex(entry);
    } else {
        list.text = valueText;
    }
}

} // namespace

TConfiguration::TConfiguration(const DialogContext& context, FileStore& files,
                               MainWindowColors colors)
    : Form(context.platform(), "TConfiguration"), GroupBox1(add<GroupBox>(nullptr, "GroupBox1")),
      Label7(add<Label>(&GroupBox1, "Label7")), ComboBox1(add<ComboBox>(&GroupBox1, "ComboBox1")),
      Label6(add<Label>(&GroupBox1, "Label6")), ComboBox2(add<ComboBox>(&GroupBox1, "ComboBox2")),
      CheckBox1(add<CheckBox>(&GroupBox1, "CheckBox1")),
      GroupBox2(add<GroupBox>(nullptr, "GroupBox2")), Label1(add<Label>(&GroupBox2, "Label1")),
      DelimeterType(add<ComboBox>(&GroupBox2, "DelimeterType")),
      Label2(add<Label>(&GroupBox2, "Label2")), FontType(add<ComboBox>(&GroupBox2, "FontType")),
      Label3(add<Label>(&GroupBox2, "Label3")), FontSize(add<ComboBox>(&GroupBox2, "FontSize")),
      GroupBox3(add<GroupBox>(nullptr, "GroupBox3")), Label4(add<Label>(&GroupBox3, "Label4")),
      MessText(add<Memo>(&GroupBox3, "MessText")),
      LastEvent(add<CheckBox>(&GroupBox3, "LastEvent")),
      GroupBox4(add<GroupBox>(nullptr, "GroupBox4")),
      GroupBox6(add<GroupBox>(&GroupBox4, "GroupBox6")),
      Register(add<CheckBox>(&GroupBox6, "Register")),
      FirstStr(add<RadioButton>(&GroupBox6, "FirstStr")),
      LastStr(add<RadioButton>(&GroupBox6, "LastStr")),
      GroupBox5(add<GroupBox>(&GroupBox4, "GroupBox5")),
      EventOnly(add<RadioButton>(&GroupBox5, "EventOnly")),
      AllString(add<RadioButton>(&GroupBox5, "AllString")),
      GroupBox7(add<GroupBox>(nullptr, "GroupBox7")),
      RussianLanguage(add<RadioButton>(&GroupBox7, "RussianLanguage")),
      EnglishLanguage(add<RadioButton>(&GroupBox7, "EnglishLanguage")),
      SaveConfig(add<Button>(nullptr, "SaveConfig")), Button1(add<Button>(nullptr, "Button1")),
      HelpBox(add<ListBox>(nullptr, "HelpBox")), context_(context), files_(files),
      colors_(std::move(colors)) {
    caption = cp1251::literal("Настройки программы");
    clientWidth = 561;
    clientHeight = 393;

    GroupBox1.setBounds(8, 8, 273, 121);
    GroupBox1.caption = cp1251::literal(" Цветовое оформление ");
    Label7.setBounds(6, 24, 0, 0);
    Label7.caption = cp1251::literal("Фон главной формы:");
    placeList(ComboBox1, 20);
    ComboBox1.items = ruLines({"(По умолчанию)", "Белый", "Голубой", "Синий", "Красный", "Зеленый",
                               "Светло-зеленый", "Малиновый", "Пурпурный", "Коричневый", "Черный"});
    Label6.setBounds(37, 52, 0, 0);
    Label6.caption = cp1251::literal("Цвет надписей:");
    placeList(ComboBox2, 48);
    ComboBox2.items = ruLines({"(По умолчанию)", "Голубой", "Синий", "Красный", "Зеленый",
                               "Светло-зеленый", "Малиновый", "Пурпурный", "Коричневый", "Черный"});
    CheckBox1.setBounds(7, 84, 258, 17);
    CheckBox1.caption = cp1251::literal("При следующем запуске применить эти цвета");

    GroupBox2.setBounds(8, 136, 273, 113);
    GroupBox2.caption = cp1251::literal(" Настройки компонента \"Блокнот\" ");
    Label1.setBounds(16, 24, 0, 0);
    Label1.caption = cp1251::literal("Вид разделителя:");
    placeList(DelimeterType, 20);
    DelimeterType.items = ruLines({"Стандарт (==========)", "Тип 1 (--------------------------)",
                                   "Тип 2 (+++++++++++++)", "Отключить"});
    Label2.setBounds(41, 52, 0, 0);
    Label2.caption = cp1251::literal("Тип шрифта:");
    placeList(FontType, 48);
    FontType.items = ruLines({"(По умолчанию)", "Arial", "Comic Sans MS", "Impact", "Fixedsys",
                              "Monotype Corsiva", "Small Fonts", "Times New Roman"});
    Label3.setBounds(22, 80, 0, 0);
    Label3.caption = cp1251::literal("Размер шрифта:");
    placeList(FontSize, 76);
    FontSize.items =
        ruLines({"(По умолчанию)", "10", "14", "16", "18", "20", "22", "24", "26", "28", "30"});

    GroupBox3.setBounds(8, 256, 273, 129);
    GroupBox3.caption = cp1251::literal(" Настройки оповещений ");
    Label4.setBounds(8, 18, 0, 0);
    Label4.caption = cp1251::literal("Текст сообщения:");
    MessText.setBounds(8, 34, 257, 61);
    MessText.maxLength = longestMessageText;
    MessText.verticalScrollBar = true;
    LastEvent.setBounds(24, 102, 209, 17);
    LastEvent.caption = cp1251::literal("Напоминать о прошедших событиях");
    LastEvent.setChecked(true);

    GroupBox4.setBounds(288, 8, 265, 193);
    GroupBox4.caption = cp1251::literal(" Настройки поиска ");
    GroupBox6.setBounds(8, 18, 249, 89);
    GroupBox6.caption = cp1251::literal(" Общие ");
    Register.setBounds(12, 18, 225, 17);
    Register.caption = cp1251::literal("Учитывать регистр");
    Register.setChecked(true);
    FirstStr.setBounds(12, 40, 225, 17);
    FirstStr.caption = cp1251::literal("Искать первое вхождение");
    FirstStr.setChecked(true);
    LastStr.setBounds(12, 62, 225, 17);
    LastStr.caption = cp1251::literal("Искать последнее вхождение");
    GroupBox5.setBounds(8, 114, 249, 69);
    GroupBox5.caption = cp1251::literal(" Хранитель событий ");
    EventOnly.setBounds(12, 20, 225, 17);
    EventOnly.caption = cp1251::literal("Поиск только в событии");
    AllString.setBounds(12, 42, 225, 17);
    AllString.caption = cp1251::literal("Поиск по всей строке");
    AllString.setChecked(true);

    GroupBox7.setBounds(288, 208, 265, 73);
    GroupBox7.caption = cp1251::literal(" Язык ");
    RussianLanguage.setBounds(12, 20, 113, 17);
    RussianLanguage.caption = cp1251::literal("Русский");
    RussianLanguage.setChecked(true);
    EnglishLanguage.setBounds(12, 44, 113, 17);
    EnglishLanguage.caption = cp1251::literal("Английский");

    // Accept closes the dialog itself, only once the file is saved: a save
    // that fails leaves the dialog open.
    SaveConfig.setBounds(360, 356, 89, 25);
    SaveConfig.caption = cp1251::literal("Принять");
    Button1.setBounds(464, 356, 89, 25);
    Button1.caption = cp1251::literal("Отмена");
    Button1.modalResult = mrCancel;
    // Enter in the message text starts no new line and presses nothing: the
    // field's own key handler takes it.
    defaultButton = &SaveConfig;
    cancelButton = &Button1;

    HelpBox.visible = false;

    onShow = [this] { FormShow(); };
    SaveConfig.onClick = [this] { SaveConfigClick(); };
    MessText.onKeyPress = [this](char& key) { MessTextKeyPress(key); };

    // The creation step reports its own failure; the dialog is still made,
    // without the file's values.
    dispatch(platform(), [this] { FormCreate(); });
}

void TConfiguration::FormCreate() {
    // The dialog reads and saves the file under the save spelling, and a
    // failure names it so.
    HelpBox.setItems(files_.loadLines(settingsSaveName));
    const Lines& settings = HelpBox.items();
    const auto tick = [&settings](SettingKey key, CheckBox& box) {
        const Text value = lookupKey(settings, key);
        if (value == "0" || value == "1") {
            box.setChecked(value == "1");
        }
    };
    const auto choose = [&settings](SettingKey key, RadioButton& ifZero, RadioButton& ifOne) {
        const Text value = lookupKey(settings, key);
        if (value == "0") {
            ifZero.setChecked(true);
        } else if (value == "1") {
            ifOne.setChecked(true);
        }
    };
    tick(SettingKey::LastEvent, LastEvent);
    tick(SettingKey::RegisterCheck, Register);
    choose(SettingKey::SubStringPosition, FirstStr, LastStr);
    choose(SettingKey::EventOnly, AllString, EventOnly);
    choose(SettingKey::LangID, RussianLanguage, EnglishLanguage);
}

void TConfiguration::FormShow() {
    MessText.setText(lookupKey(HelpBox.items(), SettingKey::WarningMessageText));
    applyCaptions();
}

void TConfiguration::applyCaptions() {
    caption = context_.line(Line::SettingsTitle);
    const std::pair<GroupBox*, Line> frames[] = {
        {&GroupBox1, Line::SettingsColours},  {&GroupBox4, Line::SettingsSearch},
        {&GroupBox6, Line::SettingsGeneral},  {&GroupBox5, Line::SettingsEventKeeper},
        {&GroupBox2, Line::SettingsNotebook}, {&GroupBox3, Line::SettingsReminders},
        {&GroupBox7, Line::SettingsLanguage},
    };
    for (const auto& [frame, line] : frames) {
        frame->caption = context_.line(line);
    }
    const std::pair<Label*, Line> labels[] = {
        {&Label7, Line::SettingsBackground}, {&Label6, Line::SettingsTextColor},
        {&Label1, Line::SettingsDelimiter},  {&Label2, Line::SettingsFontType},
        {&Label3, Line::SettingsFontSize},
    };
    for (const auto& [label, line] : labels) {
        label->caption = context_.line(line);
        applyFitRule(*this, *label);
    }
    Label4.caption = context_.line(Line::SettingsMessageText);

    fillLists();
    openListsOnValuesInForce();

    CheckBox1.caption = context_.line(Line::SettingsKeepColors);
    applyFitRule(*this, CheckBox1);
    Register.caption = context_.line(Line::SettingsMatchCase);
    LastEvent.caption = context_.line(Line::SettingsPastEvents);
    applyFitRule(*this, LastEvent);

    FirstStr.caption = context_.line(Line::SettingsFirstOccurrence);
    LastStr.caption = context_.line(Line::SettingsLastOccurrence);
    EventOnly.caption = context_.line(Line::SettingsEventOnly);
    AllString.caption = context_.line(Line::SettingsWholeLine);
    RussianLanguage.caption = context_.line(Line::SettingsRussian);
    applyFitRule(*this, RussianLanguage);
    EnglishLanguage.caption = context_.line(Line::SettingsEnglish);

    SaveConfig.caption = context_.line(Line::SettingsApply);
    Button1.caption = context_.line(Line::SettingsCancel);
}

void TConfiguration::fillLists() {
    for (ComboBox* list : {&ComboBox1, &ComboBox2}) {
        list->items.clear();
        for (const Line line : colorEntryLines) {
            list->items.push_back(context_.line(line));
        }
    }
    DelimeterType.items.clear();
    for (const Line line : delimiterEntryLines) {
        DelimeterType.items.push_back(context_.line(line));
    }
    FontType.items.replace(0, context_.line(Line::FontTypeDefault));
    FontSize.items.replace(0, context_.line(Line::FontSizeDefault));
}

void TConfiguration::openListsOnValuesInForce() {
    // The colours are what the user sees on the main window; the rest is
    // what the settings file holds.
    const Color background = colors_.background();
    const Color textColor = colors_.captions();
    openOn(ComboBox1, colorChoiceFor(background, backgroundChoices), colorToName(background));
    openOn(ComboBox2, colorChoiceFor(textColor, textColorChoices), colorToName(textColor));

    const Lines& settings = HelpBox.items();
    const Text delimiter = lookupKey(settings, SettingKey::Delimeter);
    openOn(DelimeterType, delimiterChoiceFor(delimiter), delimiter);
    const Text fontName = lookupKey(settings, SettingKey::NotebookType);
    openOn(FontType, fontNameChoiceFor(fontName, FontType.items), fontName);
    const Text fontSize = lookupKey(settings, SettingKey::NotebookSize);
    openOn(FontSize, fontSizeChoiceFor(fontSize, FontSize.items), fontSize);
}

void TConfiguration::MessTextKeyPress(char& key) {
    // The message text is one entry of the settings file: Enter starts no new line.
    if (key == '\r' || key == '\n') {
        key = 0;
    }
}

void TConfiguration::applyColors() {
    if (const auto background = colorOfChoice(ComboBox1.itemIndex(), backgroundChoices)) {
        colors_.setBackground(*background);
    }
    if (const auto textColor = colorOfChoice(ComboBox2.itemIndex(), textColorChoices)) {
        colors_.setCaptions(*textColor);
    }
}

Lines TConfiguration::updatedSettings() const {
    Lines settings = HelpBox.items();
    const auto write = [&settings](SettingKey key, const Text& value) {
        updateKey(settings, key, value);
    };
    const auto flag = [](bool on) { return Text(on ? "1" : "0"); };

    if (CheckBox1.checked()) {
        write(SettingKey::MainFormColor, colorToName(colors_.background()));
        write(SettingKey::MainFormTextColor, colorToName(colors_.captions()));
    }
    if (const auto delimiter = delimiterOfChoice(DelimeterType.itemIndex())) {
        write(SettingKey::Delimeter, *delimiter);
    }
    if (const auto fontName = fontNameToStore(FontType.itemIndex(), FontType.text)) {
        write(SettingKey::NotebookType, *fontName);
    }
    if (const auto fontSize = fontSizeToStore(FontSize.itemIndex(), FontSize.text)) {
        write(SettingKey::NotebookSize, *fontSize);
    }
    write(SettingKey::LastEvent, flag(LastEvent.checked()));
    // An empty text deletes the entry.
    write(SettingKey::WarningMessageText, messageTextToStore(MessText.text()));
    write(SettingKey::RegisterCheck, flag(Register.checked()));
    if (FirstStr.checked() || LastStr.checked()) {
        write(SettingKey::SubStringPosition, flag(LastStr.checked()));
    }
    if (EventOnly.checked() || AllString.checked()) {
        write(SettingKey::EventOnly, flag(EventOnly.checked()));
    }
    if (RussianLanguage.checked() || EnglishLanguage.checked()) {
        write(SettingKey::LangID, flag(EnglishLanguage.checked()));
    }
    return settings;
}

void TConfiguration::SaveConfigClick() {
    // The colours change at once, also when the save below fails.
    applyColors();
    HelpBox.setItems(updatedSettings());
    files_.saveLines(settingsSaveName, HelpBox.items());
    context_.ask(Line::SettingsSaved, Line::SettingsSavedTitle, mbInformation);
    close(mrOk);
}

} // namespace norvik
