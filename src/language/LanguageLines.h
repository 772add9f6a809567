// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lines of a language module the program reads, by what they say. The
// numbers are the lines' places in the module (data/modules/*.txt number them
// the same way); a box's title is the line right after its text. Lines the
// program never reads have no name.
namespace norvik {

enum class Line : int {
    // Window titles
    AboutTitle = 3,
    AuthorTitle = 4,
    SettingsTitle = 5,
    MainTitle = 6,
    AddRecordTitle = 7,
    AddEventTitle = 8,
    EditEventTitle = 9,
    EditRecordTitle = 10,
    SearchTitle = 11,
    ReminderTitle = 12,

    // Main window: panels, labels and the reminder switch
    NotesPanel = 15,
    EventsPanel = 16,
    PhonesPanel = 17,
    CalendarPanel = 18,
    NotesLabel = 22,
    NotesModifiedLabel = 23,
    NotesSavedLabel = 24,
    GoToDateLabel = 26,
    DateFormatLabel = 27,
    RemindersSwitch = 28,

    // Main window: button hints and the go-to button
    SaveNotesHint = 32,
    ClearNotesHint = 33,
    SearchNotesHint = 34,
    AddEventHint = 36,
    EditEventHint = 37,
    DeleteEventHint = 38,
    SearchEventsHint = 39,
    AddRecordHint = 41,
    EditRecordHint = 42,
    DeleteRecordHint = 43,
    SearchPhonesHint = 44,
    GoButton = 46,
    GoHint = 146,

    // Main menu
    NotesMenu = 49,
    NotesSaveItem = 50,
    NotesClearItem = 51,
    NotesSearchItem = 52,
    EventsMenu = 53,
    EventsAddItem = 54,
    EventsEditItem = 55,
    EventsDeleteItem = 56,
    EventsSearchItem = 57,
    PhonesMenu = 58,
    PhonesAddItem = 59,
    PhonesEditItem = 60,
    PhonesDeleteItem = 61,
    PhonesSearchItem = 62,
    SettingsItem = 63,
    ToTrayItem = 64,
    HelpMenu = 65,
    HelpTopicsItem = 66,
    AuthorItem = 67,
    AboutItem = 68,
    ExitItem = 69,
    TestersItem = 295,
    WebsiteItem = 296,

    // Message boxes: first start, creating System.ini
    SettingsMissing = 72,
    SettingsMissingTitle = 73,
    SettingsNotCreatedRetry = 74,
    SettingsNotCreatedRetryTitle = 75,
    SettingsNotCreatedClosing = 76,
    SettingsNotCreatedClosingTitle = 77,
    SettingsChecked = 78,
    SettingsCheckedTitle = 79,

    // Message boxes: phone book, notes and events
    RecordNameEmpty = 80,
    RecordNameEmptyTitle = 81,
    ClearNotesQuestion = 82,
    ClearNotesQuestionTitle = 83,
    EventFieldsEmpty = 84,
    EventFieldsEmptyTitle = 85,
    NoEventsToDelete = 86,
    NoEventsToDeleteTitle = 87,
    DeleteEventsQuestion = 88,
    DeleteEventsQuestionTitle = 89,
    NoEventsToEdit = 90,
    NoEventsToEditTitle = 91,
    NoRecordsToDelete = 92,
    NoRecordsToDeleteTitle = 93,
    DeleteRecordsQuestion = 94,
    DeleteRecordsQuestionTitle = 95,
    NoRecordsToEdit = 96,
    NoRecordsToEditTitle = 97,

    // Message boxes: go to date
    DayMissing = 98,
    DayMissingTitle = 99,
    MonthMissing = 100,
    MonthMissingTitle = 101,
    YearMissing = 102,
    YearMissingTitle = 103,
    YearNotFourDigits = 104,
    YearNotFourDigitsTitle = 105,

    // Message boxes: reminders, closing and help
    PastEventQuestion = 106,
    PastEventQuestionTitle = 107,
    PastEventDeleted = 108,
    PastEventDeletedTitle = 109,
    PastEventKept = 110,
    PastEventKeptTitle = 111,
    ExitWithReminders = 112,
    ExitWithRemindersTitle = 113,
    SaveNotesQuestion = 114,
    SaveNotesQuestionTitle = 115,
    HelpFileMissing = 116,
    HelpFileMissingTitle = 117,

    // Message boxes: search
    NothingToSearch = 118,
    NothingToSearchTitle = 119,
    FirstOccurrenceFound = 120,
    FirstOccurrenceFoundTitle = 121,
    LastOccurrenceFound = 122,
    LastOccurrenceFoundTitle = 123,
    TextNotFound = 124,
    TextNotFoundTitle = 125,
    FoundInNotes = 126,
    FoundInNotesTitle = 127,
    NotFoundInNotes = 128,
    NotFoundInNotesTitle = 129,

    // The labels a phone line carries beside its optional values: the
    // region's stands after the value, every other before it.
    PostcodeLabel = 132,
    RegionLabel = 133,
    StreetLabel = 134,
    HouseLabel = 135,
    BuildingLabel = 136,
    StructureLabel = 137,
    FlatLabel = 138,
    MobileLabel = 139,
    TelephoneLabel = 140,
    FaxLabel = 141,

    // About box
    AboutProductName = 149,
    AboutContact = 150,
    AboutComments = 151,
    AboutCharacteristics = 152,
    AboutKind = 153,
    AboutContents = 154,
    AboutSystem = 155,
    AboutProcessor = 156,
    AboutFileSize = 157,
    AboutScreen = 158,

    // Author box
    AuthorClose = 161,
    AuthorWho = 164,
    AuthorWhy = 165,

    // Add-record dialog
    AddRecordAdd = 168,
    AddRecordCancel = 169,
    AddRecordName = 172,
    AddRecordCountry = 175,
    AddRecordPostcode = 176,
    AddRecordRegion = 177,
    AddRecordCity = 178,
    AddRecordStreet = 179,
    AddRecordHouse = 180,
    AddRecordBuilding = 181,
    AddRecordStructure = 182,
    AddRecordFlat = 183,
    AddRecordMobile = 184,
    AddRecordTelephone = 185,
    AddRecordFax = 186,

    // Add-event dialog
    AddEventDate = 189,
    AddEventText = 190,
    AddEventReminders = 193,
    AddEventRemindersOff = 196,
    AddEventRemindersOn = 197,
    AddEventAdd = 200,
    AddEventCancel = 201,

    // Edit-event and edit-record dialogs
    EditEventLabel = 204,
    EditEventOk = 207,
    EditEventCancel = 208,
    EditRecordLabel = 211,
    EditRecordOk = 214,
    EditRecordCancel = 215,

    // Search prompt
    SearchPrompt = 218,
    SearchButton = 221,
    SearchCancel = 222,

    // Reminder box
    ReminderForget = 225,
    ReminderAgain = 226,
    ReminderMinutes = 227,

    // Settings dialog: frames and labels
    SettingsColours = 230,
    SettingsSearch = 231,
    SettingsGeneral = 232,
    SettingsEventKeeper = 233,
    SettingsNotebook = 234,
    SettingsReminders = 235,
    SettingsLanguage = 236,
    SettingsBackground = 239,
    SettingsTextColor = 240,
    SettingsDelimiter = 241,
    SettingsFontType = 242,
    SettingsFontSize = 243,
    SettingsMessageText = 244,
    SettingsKeepColors = 247,
    SettingsMatchCase = 248,
    SettingsPastEvents = 249,

    // Settings dialog: the entries of the colour lists (background and
    // inscriptions), the delimiter list and the first entries of the font lists
    ColorDefault = 252,
    ColorWhite = 253,
    ColorSkyBlue = 254,
    ColorBlue = 255,
    ColorRed = 256,
    ColorGreen = 257,
    ColorLightGreen = 258,
    ColorFuchsia = 259,
    ColorPurple = 260,
    ColorMaroon = 261,
    ColorBlack = 262,
    DelimiterStandard = 263,
    DelimiterType1 = 264,
    DelimiterType2 = 265,
    DelimiterOff = 266,
    FontTypeDefault = 267,
    FontSizeDefault = 268,

    // Settings dialog: search and language options, buttons, the confirmation
    SettingsFirstOccurrence = 271,
    SettingsLastOccurrence = 272,
    SettingsEventOnly = 273,
    SettingsWholeLine = 274,
    SettingsRussian = 275,
    SettingsEnglish = 276,
    SettingsApply = 279,
    SettingsCancel = 280,
    SettingsSaved = 283,
    SettingsSavedTitle = 284,

    // Testers box
    TestersTitle = 287,
    TestersThanks = 290,
    TestersWho = 291,
    TestersWhy = 292,
};

// The lines of a complete module, 0 to WebsiteItem. A shorter module still
// loads; a line it does not reach fails where it is read.
inline constexpr int moduleLineCount = 297;
static_assert(static_cast<int>(Line::WebsiteItem) == moduleLineCount - 1);

} // namespace norvik
