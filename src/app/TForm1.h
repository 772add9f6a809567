#pragma once

#include "desktop/TTrayIcon.h"
#include "events/EventTimes.h"
#include "kit/Form.h"
#include "store/FileStore.h"

namespace norvik {

// The main window: the notes, the events, the phone book and the calendar,
// the two invisible lists that hold the settings and the language lines, the
// reminder timer, the tray icon and the main menu. It owns all state for the
// whole run. Its handlers are defined beside the subsystem they belong to.
class TForm1 : public Form {
public:
    TForm1(Platform& platform, FileStore& files);

    FileStore& files() { return files_; }

    // Language line n of the loaded module; fails with "List index out of bounds (n)".
    Text LangLine(int n) const;
    // A message box whose text and title are language lines.
    int ask(int textLine, int titleLine, int flags);
    // Ends the program; nothing after it runs.
    void endProgram();
    bool ended() const { return ended_; }

    // Creation and close sequences, and the commands of the main window.
    void FormCreate();
    void FormClose();
    void ExitClick();
    void CheckBox1Click();
    void applyCaptions();
    // The window's background, which the panels, their labels and the reminder
    // switch show through, having no colour of their own.
    void setBackgroundColor(Color value);
    // The colour of the labels and the panel titles.
    void setCaptionColor(Color value);
    // The notes' close-time save: asks when the notes carry unsaved changes.
    void closeTimeSave();

    // The notes commands and the editor's events.
    void Button2Click();
    void Button1Click();
    void Memo1KeyPress(char& key);
    void Memo1KeyDown(int& key, ShiftState shift);
    void Memo1Change();
    // Changes the program itself makes to the notes; they never mark them modified.
    void setNotesText(Text text);
    void appendNotesDelimiter();

    // The events commands and the list's keys.
    void Button3Click();
    void Button10Click();
    void Button4Click();
    void ListBox1KeyDown(int& key, ShiftState shift);
    // Writes the events list to do.txt.
    void saveEvents();

    // The phone book commands and the phone list's keys.
    void Button5Click();
    void Button6Click();
    void Button11Click();
    void ListBox2KeyDown(int& key, ShiftState shift);

    // Search: the notes, the events and the phone book, with the run settings' flags.
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn8Click();

    // Desktop integration: the help file, the three information boxes and the website.
    void N23Click();
    void N21Click();
    void N20Click();
    void N1Click();
    void N2Click();

    // Calendar: the go-to fields' character filter and the go-to command.
    void Edit1KeyPress(char& key);
    void Edit2KeyPress(char& key);
    void Edit3KeyPress(char& key);
    void Button12Click();

    // Settings: opens a new settings dialog.
    void ConfigurationsClick();

    // The reminder scheduler: one tick of the timer.
    void TimerTimer();

    // The tray icon: to the tray, back from it, and a reminder bringing the
    // window back (out of the tray if it is there); false when the icon could
    // not be deleted, after the failure was reported.
    void SystemTrayClick();
    void TrayIcon1Restore();
    bool bringBackForReminder();

    // Run settings, fixed at start.
    Text notesDelimiter;
    Text warningText;
    bool lastOccurrence = false;
    bool matchCase = false;
    bool eventOnly = false;

    // Menu.
    MenuItem& Quotes;
    MenuItem& N8;
    MenuItem& N9;
    MenuItem& N10;
    MenuItem& Events;
    MenuItem& N11;
    MenuItem& N12;
    MenuItem& N13;
    MenuItem& N14;
    MenuItem& Telephones;
    MenuItem& N15;
    MenuItem& N16;
    MenuItem& N17;
    MenuItem& N18;
    MenuItem& Configurations;
    MenuItem& SystemTray;
    MenuItem& Helps;
    MenuItem& N23;
    MenuItem& N21;
    MenuItem& N22;
    MenuItem& N1;
    MenuItem& N20;
    MenuItem& N2;
    MenuItem& Exit;

    Image& Image1;
    Image& Image2;

    GroupBox& GroupBox1;
    Label& Label1;
    Memo& Memo1;
    Button& Button2;
    Button& Button1;
    Button& BitBtn6;

    GroupBox& GroupBox2;
    ListBox& ListBox1;
    Button& Button3;
    Button& Button10;
    Button& Button4;
    Button& BitBtn7;

    GroupBox& GroupBox3;
    ListBox& ListBox2;
    Button& Button5;
    Button& Button6;
    Button& Button11;
    Button& BitBtn8;

    GroupBox& GroupBox5;
    DatePicker& DateTimePicker1;
    Label& Label2;
    Label& Label3;
    Edit& Edit1;
    Label& Label4;
    Edit& Edit2;
    Label& Label5;
    Edit& Edit3;
    Button& Button12;
    CheckBox& CheckBox1;

    ListBox& ListBox3;
    ListBox& LangBox;
    TrayIcon& TrayIcon1;
    norvik::Timer& Timer;
    // The tray icon component driving TrayIcon1.
    TTrayIcon trayIcon{TrayIcon1};

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

    // The scheduler's steps (events/Scheduler.cpp).
    void runTick();
    // `year` is the year the tick read the line in (the short forms take it).
    void remindPastEvent(int index, int year);
    // False when the window could not be brought back and the tick ends.
    bool remindDueEvent(int index, int year);
    void stopReminding();
    void resumeReminding();
    void postponeEvent(int index, int minutes, int year);

    void markNotesModified();

    FileStore& files_;
    bool ended_ = false;
    bool notesChangedByProgram_ = false;
    // The event lines' times, read once per change of the list.
    EventTimes eventTimes_;
};

} // namespace norvik
