// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "kit/Dispatch.h"
#include "kit/Failure.h"
#include "kit/Platform.h"
#include "language/Language.h"
#include "store/Codec1251.h"
#include "store/ColorNames.h"
#include "store/DataFiles.h"
#include "store/FileStore.h"
#include "store/Settings.h"

namespace norvik {

namespace {

constexpr std::size_t longestFontName = 31;

Text delimiterFor(const Text& value, const Text& previous) {
    if (value == "0") {
        return "";
    }
    if (value == "1") {
        return "\r\n" + Text(19, '=') + "\r\n";
    }
    if (value == "2") {
        return "\r\n" + Text(19, '-') + "\r\n";
    }
    if (value == "3") {
        return "\r\n" + Text(19, '+') + "\r\n";
    }
    return previous;
}

void applyFlag(const Text& value, bool& flag) {
    if (value == "0") {
        flag = false;
    } else if (value == "1") {
        flag = true;
    }
}

} // namespace

void TForm1::FormCreate() {
    FileStore& store = files();
    if (!store.exists(russianModule) || !store.exists(englishModule)) {
        platform().messageBox(cp1251::literal("Не обнаружены стандартные языковые модули!"),
                              cp1251::literal("Критическая ошибка"), mbError);
        endProgram();
        return;
    }

    for (const char* name : {notesFile, eventsFile, phonesFile}) {
        store.createIfMissing(name);
        // When a load below fails, the files after it stay unread, and the
        // empty lists shown for them must never be saved over them.
        store.holdBack(name);
        setPanelWritable(name, false);
    }
    loadPanel(notesFile, [this, &store] { setNotesText(store.loadNotes(notesFile)); });
    loadPanel(eventsFile, [this, &store] { ListBox1.setItems(store.loadLines(eventsFile)); });
    loadPanel(phonesFile, [this, &store] { ListBox2.setItems(store.loadLines(phonesFile)); });
    if (!Memo1.empty() && !Memo1.readOnly) {
        Button1.enabled = true;
    }

    const DateTime now = platform().now();
    DateTimePicker1.setDate(DateTime{now.year, now.month, now.day});

    if (!store.exists(settingsFile)) {
        // A new data directory speaks the desktop's language, and so do the
        // first-run boxes: they come before the window in that language.
        const int language = localeLanguage(platform().desktopLocale());
        LangBox.setItems(store.loadLines(language == 0 ? russianModule : englishModule));
        loadedModule_ = language;
        platform().languageChosen(language);
        ask(Line::SettingsMissing, Line::SettingsMissingTitle, mbError);
        bool giveUp = false;
        for (;;) {
            try {
                store.saveBytes(settingsFile, defaultSettingsBytes(language));
            } catch (const Failure&) {
                // Whether the file now exists decides, as below.
            }
            if (store.exists(settingsFile)) {
                break;
            }
            if (ask(Line::SettingsNotCreatedRetry, Line::SettingsNotCreatedRetryTitle,
                    mbInformationYesNo) != idYes) {
                ask(Line::SettingsNotCreatedClosing, Line::SettingsNotCreatedClosingTitle, mbError);
                giveUp = true;
                break;
            }
        }
        ask(Line::SettingsChecked, Line::SettingsCheckedTitle, mbInformation);
        if (giveUp) {
            endProgram();
            return;
        }
    }

    ListBox3.setItems(store.loadLines(settingsFile));
    if (ListBox3.empty()) {
        return;
    }
    const Lines& settings = ListBox3.items();
    setBackgroundColor(colorFromName(lookupKey(settings, SettingKey::MainFormColor)));
    setCaptionColor(colorFromName(lookupKey(settings, SettingKey::MainFormTextColor)));
    Memo1.font.size = parseInteger(lookupKey(settings, SettingKey::NotebookSize));
    const Text fontName = lookupKey(settings, SettingKey::NotebookType);
    if (!fontName.empty()) {
        Memo1.font.name = fontName.substr(0, longestFontName);
    }
    notesDelimiter = delimiterFor(lookupKey(settings, SettingKey::Delimeter), notesDelimiter);
    applyFlag(lookupKey(settings, SettingKey::SubStringPosition), lastOccurrence);
    applyFlag(lookupKey(settings, SettingKey::RegisterCheck), matchCase);
    applyFlag(lookupKey(settings, SettingKey::EventOnly), eventOnly);

    const Text langId = lookupKey(settings, SettingKey::LangID);
    if (langId == "0" || langId == "1") {
        const int language = langId == "0" ? 0 : 1;
        LangBox.setItems(store.loadLines(language == 0 ? russianModule : englishModule));
        loadedModule_ = language;
        platform().languageChosen(language);
        Lines updated = ListBox3.items();
        resetWarningText(updated, language);
        ListBox3.setItems(std::move(updated));
        // A settings file that cannot be written is reported, and start-up
        // goes on: the settings in memory are still good for this run.
        dispatch(platform(),
                 [this, &store] { store.saveLines(settingsSaveName, ListBox3.items()); });
    }
    warningText = lookupKey(ListBox3.items(), SettingKey::WarningMessageText);
    applyCaptions();
}

void TForm1::applyCaptions() {
    caption = LangLine(Line::MainTitle);
    GroupBox1.caption = LangLine(Line::NotesPanel);
    GroupBox2.caption = LangLine(Line::EventsPanel);
    GroupBox3.caption = LangLine(Line::PhonesPanel);
    GroupBox5.caption = LangLine(Line::CalendarPanel);
    Label1.caption = LangLine(Line::NotesLabel);
    Label2.caption = LangLine(Line::GoToDateLabel);
    Label3.caption = LangLine(Line::DateFormatLabel);
    CheckBox1.caption = LangLine(Line::RemindersSwitch);
    applyFitRule(*this, CheckBox1);

    const std::pair<Button*, Line> hints[] = {
        {&Button2, Line::SaveNotesHint},    {&Button1, Line::ClearNotesHint},
        {&BitBtn6, Line::SearchNotesHint},  {&Button3, Line::AddEventHint},
        {&Button10, Line::EditEventHint},   {&Button4, Line::DeleteEventHint},
        {&BitBtn7, Line::SearchEventsHint}, {&Button5, Line::AddRecordHint},
        {&Button6, Line::EditRecordHint},   {&Button11, Line::DeleteRecordHint},
        {&BitBtn8, Line::SearchPhonesHint},
    };
    for (const auto& [button, line] : hints) {
        button->hint = LangLine(line);
    }
    Button12.caption = LangLine(Line::GoButton);
    Button12.hint = LangLine(Line::GoHint);

    const std::pair<MenuItem*, Line> menuTexts[] = {
        {&Quotes, Line::NotesMenu},
        {&N8, Line::NotesSaveItem},
        {&N9, Line::NotesClearItem},
        {&N10, Line::NotesSearchItem},
        {&Events, Line::EventsMenu},
        {&N11, Line::EventsAddItem},
        {&N12, Line::EventsEditItem},
        {&N13, Line::EventsDeleteItem},
        {&N14, Line::EventsSearchItem},
        {&Telephones, Line::PhonesMenu},
        {&N15, Line::PhonesAddItem},
        {&N16, Line::PhonesEditItem},
        {&N17, Line::PhonesDeleteItem},
        {&N18, Line::PhonesSearchItem},
        {&Configurations, Line::SettingsItem},
        {&SystemTray, Line::ToTrayItem},
        {&Helps, Line::HelpMenu},
        {&N23, Line::HelpTopicsItem},
        {&N20, Line::AuthorItem},
        {&N21, Line::AboutItem},
        {&N1, Line::TestersItem},
        {&N2, Line::WebsiteItem},
        {&Exit, Line::ExitItem},
    };
    for (const auto& [item, line] : menuTexts) {
        item->caption = LangLine(line);
    }
}

} // namespace norvik
