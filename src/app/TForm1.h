// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controls.h"
#include "kit/Form.h"
#include "language/BuiltInText.h"
#include "language/LanguageLines.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace norvik {

class DialogContext;
class EventTimes;
class Failure;
class FileStore;
class ListSync;
class ReminderMemory;
class TTrayIcon;
struct MainWindowColors;
struct ReminderAnswer;

// The main window: the notes, the events, the phone book and the calendar,
// the two invisible lists that hold the settings and the language lines, the
// reminder timer, the tray icon and the main menu. It owns all state for the
// whole run. Its handlers are defined in app/commands, one file for each
// subsystem; the subsystems keep the logic and the dialogs.
class TForm1 : public Form {
public:
    TForm1(Platform& platform, FileStore& files);
    ~TForm1() override;

    FileStore& files() { return files_; }

    // A line of the loaded module; fails with "List index out of bounds (n)".
    Text LangLine(Line line) const;
    // A message box whose text and title are language lines.
    int ask(Line text, Line title, int flags);
    // What the dialogs get of the main window: the platform and the language lines.
    DialogContext dialogContext() const;
    // The colours the settings dialog shows and changes.
    MainWindowColors mainWindowColors();
    // Ends the program; nothing after it runs.
    void endProgram();
    bool ended() const { return ended_; }

    // Creation and close sequences, and the commands of the main window.
    void FormCreate();     // the start-up sequence, before the window shows
    void FormClose();      // the close box: the close sequence
    void ExitClick();      // Exit
    void CheckBox1Click(); // "Reminders on" clicked, or set by the program
    void applyCaptions();
    // The window's background, which the panels, their labels and the reminder
    // switch show through, having no colour of their own.
    void setBackgroundColor(Color value);
    // The colour of the labels and the panel titles.
    void setCaptionColor(Color value);
    // The notes' close-time save: asks when the notes carry unsaved changes;
    // false when the user chose to keep the window open.
    bool closeTimeSave();
    // Whether the notes carry changes the user made and has not saved.
    bool notesModified() const;
    // Writes a data list (the events, the phone book) to its file. A failed
    // save marks the list unsaved until a later save of it succeeds.
    void saveDataList(const char* file, const ListBox& list);
    // The close-time retry of every unsaved list; false when a retry failed and
    // the user chose to keep the window open.
    bool saveUnsavedLists();
    // After a close-time save failed: whether the user quits all the same
    // (fixed text in both languages, naming what was not saved).
    bool quitAfterFailedSave(std::string_view russianWhat, std::string_view englishWhat,
                             const std::string& file, const Failure& failure);

    // The notes commands and the editor's events.
    void Button2Click();                           // Notes > Save
    void Button1Click();                           // Notes > Clear
    void Memo1KeyPress(char& key);                 // a character typed into the notes
    void Memo1KeyDown(int& key, ShiftState shift); // a key down in the notes (Delete)
    void Memo1Change();                            // the notes' text changed
    // Changes the program itself makes to the notes; they never mark them modified.
    void setNotesText(Text text);
    void appendNotesDelimiter();

    // The events commands and the list's keys.
    void Button3Click();                              // Events > Add...
    void Button10Click();                             // Events > Edit...
    void Button4Click();                              // Events > Delete
    void ListBox1KeyDown(int& key, ShiftState shift); // a key down in the events (Delete)
    // Writes the events list to do.txt.
    void saveEvents();

    // The phone book commands and the phone list's keys.
    void Button5Click();                              // Phones > Add...
    void Button6Click();                              // Phones > Edit...
    void Button11Click();                             // Phones > Delete
    void ListBox2KeyDown(int& key, ShiftState shift); // a key down in the phones (Delete)
    // Writes the phone book to telephone.txt.
    void savePhoneBook();

    // Search: the notes, the events and the phone book, with the run settings' flags.
    void BitBtn6Click(); // Notes > Search...
    void BitBtn7Click(); // Events > Search...
    void BitBtn8Click(); // Phones > Search...

    // Desktop integration: the help file, the three information boxes and the website.
    void N23Click(); // Help > Help topics (help.chm)
    void N21Click(); // Help > About
    void N20Click(); // Help > About the author
    void N1Click();  // Help > Official testers
    void N2Click();  // Help > Program website

    // Calendar: the go-to fields' character filter and the go-to command.
    void Edit1KeyPress(char& key); // a character typed into the day field
    void Edit2KeyPress(char& key); // a character typed into the month field
    void Edit3KeyPress(char& key); // a character typed into the year field
    void Button12Click();          // Go

    // Settings: opens a new settings dialog.
    void ConfigurationsClick(); // Settings

    // The reminder scheduler: one tick of the timer.
    void TimerTimer(); // Timer, once a second while reminders are on

    // Sync with the folders other devices share (app/commands/SyncCommands.cpp):
    // started once the lists are loaded, before the window shows; then after
    // each save of a list, once its handler has returned, and every round of
    // SyncTimer, never while a dialog or box is open.
    void startSync(ListSync& sync);
    void SyncTimerTimer();

    // The tray icon: to the tray, back from it, and a reminder bringing the
    // window back (out of the tray if it is there); false when the icon could
    // not be deleted, after the failure was reported.
    void SystemTrayClick();  // To tray
    void TrayIcon1Restore(); // back from the tray (the icon double-clicked)
    bool bringBackForReminder();
    // The tray icon's menu: as it opens, Restore, the reminder switch, and
    // Exit, which brings the window back first so that the close sequence
    // can ask its questions.
    void PopupMenu1Popup();
    void N24Click();
    void N25Click();
    void N27Click();
    // The icon's tooltip: the program's title and how many of today's events
    // are still to be announced.
    void updateTrayHint();

    // Run settings, fixed at start.
    Text notesDelimiter;
    Text warningText;
    bool lastOccurrence = false;
    bool matchCase = false;
    bool eventOnly = false;

    // Menu.
    MenuItem& Quotes;         // Notes menu
    MenuItem& N8;             // Notes > Save
    MenuItem& N9;             // Notes > Clear
    MenuItem& N10;            // Notes > Search...
    MenuItem& Events;         // Events menu
    MenuItem& N11;            // Events > Add...
    MenuItem& N12;            // Events > Edit...
    MenuItem& N13;            // Events > Delete
    MenuItem& N14;            // Events > Search...
    MenuItem& Telephones;     // Phones menu
    MenuItem& N15;            // Phones > Add...
    MenuItem& N16;            // Phones > Edit...
    MenuItem& N17;            // Phones > Delete
    MenuItem& N18;            // Phones > Search...
    MenuItem& Configurations; // Settings (a command of the menu bar)
    MenuItem& SystemTray;     // To tray (a command of the menu bar)
    MenuItem& Helps;          // Help menu
    MenuItem& N23;            // Help > Help topics (help.chm)
    MenuItem& N21;            // Help > About
    MenuItem& N22;            // Help > separator
    MenuItem& N1;             // Help > Official testers
    MenuItem& N20;            // Help > About the author
    MenuItem& N2;             // Help > Program website
    MenuItem& Exit;           // Exit (a command of the menu bar)
    MenuItem& PopupMenu1;     // the tray icon's right-click menu (not on the bar)
    MenuItem& N24;            // Tray menu > Restore
    MenuItem& N25;            // Tray menu > Reminders on (the reminder switch)
    MenuItem& N26;            // Tray menu > separator
    MenuItem& N27;            // Tray menu > Exit

    Image& Image1; // banner across the window under the top panels
    Image& Image2; // emblem under the calendar

    GroupBox& GroupBox1; // "Notes" panel, top left
    Label& Label1;       // "Current notes:", with the modified or saved mark
    Memo& Memo1;         // the notes (quotes.txt)
    Button& Button2;     // save the notes
    Button& Button1;     // clear the notes
    Button& BitBtn6;     // search the notes

    GroupBox& GroupBox2; // "To-do list" panel, top right
    ListBox& ListBox1;   // the events, one a line (do.txt)
    Button& Button3;     // add event
    Button& Button10;    // edit event
    Button& Button4;     // delete event
    Button& BitBtn7;     // search the events

    GroupBox& GroupBox3; // "Phone book" panel, bottom
    ListBox& ListBox2;   // the phone records, one a line (telephone.txt)
    Button& Button5;     // add phone record
    Button& Button6;     // edit phone record
    Button& Button11;    // delete phone record
    Button& BitBtn8;     // search the phone book

    GroupBox& GroupBox5;         // "Calendar" panel, top middle
    DatePicker& DateTimePicker1; // the calendar
    Label& Label2;               // "Go to date:"
    Label& Label3;               // "(format DD-MM-YYYY)"
    Edit& Edit1;                 // go to date: day
    Label& Label4;               // "-" between day and month
    Edit& Edit2;                 // go to date: month
    Label& Label5;               // "-" between month and year
    Edit& Edit3;                 // go to date: year
    Button& Button12;            // "Go": shows the typed date in the calendar
    CheckBox& CheckBox1;         // "Reminders on": the reminder switch

    ListBox& ListBox3;        // invisible: the lines of System.ini
    ListBox& LangBox;         // invisible: the lines of the language module
    TrayIcon& TrayIcon1;      // the icon in the notification area
    norvik::Timer& Timer;     // the reminder timer, one tick a second
    norvik::Timer& SyncTimer; // the sync round, every 60 seconds while a folder is set

private:
    // Owns the tray icon component; held by pointer so that this header
    // needs only its name.
    std::unique_ptr<TTrayIcon> trayIconComponent_;

public:
    // The tray icon component driving TrayIcon1.
    TTrayIcon& trayIcon;

private:
    // Each subsystem connects the handlers it defines.
    void connectApplication();
    void connectNotes();
    void connectEvents();
    void connectScheduler();
    void connectPhoneBook();
    void connectSearch();
    void connectCalendar();
    void connectDesktop();
    void connectSettings();
    void connectTray();

    // The scheduler's steps (app/commands/Scheduler.cpp).
    void runTick();
    // The tick while past events are reminded too.
    void runPastEventsTick();
    // `year` is the year the tick read the line in (the short forms take it).
    void remindPastEvent(int index, int year);
    // False when the window could not be brought back and the tick ends.
    // `time` is the event's time as the tick read it.
    bool remindDueEvent(int index, int year, std::int64_t time);
    void stopReminding();
    void resumeReminding();
    // The reminder dialog for line `index`, with the desktop told of it.
    ReminderAnswer showReminderFor(int index);
    void postponeEvent(int index, int minutes, int year);

    void markNotesModified();
    // Enter in a go-to field: the key is taken and Go runs.
    void goOnEnter(char& key);
    // A close-time question: from the module when it holds both lines, else
    // the program's own text, so that a window whose module is missing or
    // short can still be closed.
    int askAtClose(Line text, Line title, int flags, const BuiltInText& ownText,
                   const BuiltInText& ownTitle);

    // A data file's panel: while its file is not loaded (refused, unreadable,
    // or left unread when start-up stopped before it) the panel is read-only
    // and the commands that would save the file are off, so that what the
    // window shows for it never replaces the user's file.
    void setPanelWritable(const char* file, bool writable);
    // Runs the load of a data file and opens its panel once it succeeded.
    void loadPanel(const char* file, const std::function<void()>& load);

    // Sync's steps.
    // A list's file was saved: the map follows it, and a sync comes once the
    // handler has returned.
    void listSaved(const char* file);
    void syncSoon();
    void syncRound();
    void syncList(int which);

    FileStore& files_;
    // The lists whose last save failed, by file name.
    std::map<std::string, const ListBox*> unsavedLists_;
    bool ended_ = false;
    bool notesChangedByProgram_ = false;
    // The notes' modified state for when the module cannot name it: the
    // label's caption says it only while the module holds that line.
    bool notesEdited_ = false;
    // Which language module LangBox holds: 0, 1 or noModule.
    int loadedModule_ = noModule;
    // What the notes label says while the notes are as loaded or last saved.
    Line notesSavedCaption_ = Line::NotesLabel;
    // The event lines' times, read once per change of the list.
    std::unique_ptr<EventTimes> eventTimes_;
    // Which events were announced, and since when reminders are on.
    std::unique_ptr<ReminderMemory> reminderMemory_;
    // Raised while the scheduler switches reminders back on after a reminder.
    bool resumingReminders_ = false;
    // Sync, when a folder is set for a list: the events (0) and the phone book (1).
    ListSync* listSync_ = nullptr;
    bool synced_[2] = {false, false};
    // A failure is shown once, until a round works again.
    bool syncFailureShown_[2] = {false, false};
    bool syncing_ = false;
    bool syncPosted_ = false;
};

} // namespace norvik
