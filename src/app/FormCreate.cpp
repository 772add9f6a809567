#include "app/TForm1.h"

#include "kit/Dispatch.h"
#include "kit/Failure.h"
#include "kit/Platform.h"
#include "store/Codec1251.h"
#include "store/ColorNames.h"
#include "store/Language.h"
#include "store/Settings.h"

namespace norvik {

namespace {

const char* const notesFile = "quotes.txt";
const char* const eventsFile = "do.txt";
const char* const phonesFile = "telephone.txt";
const char* const settingsFile = "System.ini";
// The settings dialog and the language reset save under this spelling; names
// match without regard to case, so it reaches the same file.
const char* const settingsSaveName = "system.ini";

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
    }
    setNotesText(store.loadNotes(notesFile));
    ListBox1.setItems(store.loadLines(eventsFile));
    ListBox2.setItems(store.loadLines(phonesFile));
    if (!Memo1.empty()) {
        Button1.enabled = true;
    }

    const DateTime now = platform().now();
    DateTimePicker1.setDate(DateTime{now.year, now.month, now.day});

    if (!store.exists(settingsFile)) {
        // The first-run boxes are always Russian, whatever the settings will say.
        LangBox.setItems(store.loadLines(russianModule));
        platform().languageChosen(0);
        ask(72, 73, mbError);
        bool giveUp = false;
        for (;;) {
            try {
                store.saveBytes(settingsFile, defaultSettingsBytes());
            } catch (const Failure&) {
                // Whether the file now exists decides, as below.
            }
            if (store.exists(settingsFile)) {
                break;
            }
            if (ask(74, 75, mbInformationYesNo) != idYes) {
                ask(76, 77, mbError);
                giveUp = true;
                break;
            }
        }
        ask(78, 79, mbInformation);
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
    setBackgroundColor(colorFromName(lookupKey(settings, "MainFormColor")));
    setCaptionColor(colorFromName(lookupKey(settings, "MainFormTextColor")));
    Memo1.font.size = parseInteger(lookupKey(settings, "NotebookSize"));
    const Text fontName = lookupKey(settings, "NotebookType");
    if (!fontName.empty()) {
        Memo1.font.name = fontName.substr(0, longestFontName);
    }
    notesDelimiter = delimiterFor(lookupKey(settings, "Delimeter"), notesDelimiter);
    applyFlag(lookupKey(settings, "SubStringPosition"), lastOccurrence);
    applyFlag(lookupKey(settings, "RegisterCheck"), matchCase);
    applyFlag(lookupKey(settings, "EventOnly"), eventOnly);

    const Text langId = lookupKey(settings, "LangID");
    if (langId == "0" || langId == "1") {
        const int language = langId == "0" ? 0 : 1;
        LangBox.setItems(store.loadLines(language == 0 ? russianModule : englishModule));
        platform().languageChosen(language);
        Lines updated = ListBox3.items();
        resetWarningText(updated, language);
        ListBox3.setItems(std::move(updated));
        // A settings file that cannot be written is reported, and start-up
        // goes on: the settings in memory are still good for this run.
        dispatch(platform(),
                 [this, &store] { store.saveLines(settingsSaveName, ListBox3.items()); });
    }
    warningText = lookupKey(ListBox3.items(), "WarningMessageText");
    applyCaptions();
}

void TForm1::applyCaptions() {
    caption = LangLine(6);
    GroupBox1.caption = LangLine(15);
    GroupBox2.caption = LangLine(16);
    GroupBox3.caption = LangLine(17);
    GroupBox5.caption = LangLine(18);
    Label1.caption = LangLine(22);
    Label2.caption = LangLine(26);
    Label3.caption = LangLine(27);
    CheckBox1.caption = LangLine(28);
    applyFitRule(*this, "CheckBox1");

    const std::pair<Button*, int> hints[] = {
        {&Button2, 32},  {&Button1, 33},  {&BitBtn6, 34}, {&Button3, 36},
        {&Button10, 37}, {&Button4, 38},  {&BitBtn7, 39}, {&Button5, 41},
        {&Button6, 42},  {&Button11, 43}, {&BitBtn8, 44},
    };
    for (const auto& [button, line] : hints) {
        button->hint = LangLine(line);
    }
    Button12.caption = LangLine(46);
    Button12.hint = LangLine(146);

    const std::pair<MenuItem*, int> menuTexts[] = {
        {&Quotes, 49},     {&N8, 50},    {&N9, 51},   {&N10, 52}, {&Events, 53},
        {&N11, 54},        {&N12, 55},   {&N13, 56},  {&N14, 57}, {&Telephones, 58},
        {&N15, 59},        {&N16, 60},   {&N17, 61},  {&N18, 62}, {&Configurations, 63},
        {&SystemTray, 64}, {&Helps, 65}, {&N23, 66},  {&N20, 67}, {&N21, 68},
        {&N1, 295},        {&N2, 296},   {&Exit, 69},
    };
    for (const auto& [item, line] : menuTexts) {
        item->caption = LangLine(line);
    }
}

void TForm1::FormClose() {
    if (CheckBox1.checked() && ask(112, 113, mbWarningYesNo) != idYes) {
        return;
    }
    closeTimeSave();
    if (!saveUnsavedLists()) {
        return;
    }
    endProgram();
}

void TForm1::ExitClick() {
    FormClose();
}

} // namespace norvik
