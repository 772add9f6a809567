// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controls.h"
#include "kit/Form.h"
#include "language/DialogContext.h"
#include "settings/MainWindowColors.h"

namespace norvik {

class FileStore;

// The settings dialog: shows the settings file's values, and on Accept writes
// them back, recolours the main window at once and confirms. Everything but
// the colours takes effect at the next start. Creating it runs its creation
// step, which reads the settings file into its own copy of the lines.
class TConfiguration : public Form {
public:
    TConfiguration(const DialogContext& context, FileStore& files, MainWindowColors colors);

    void FormCreate();
    void FormShow();
    void SaveConfigClick();
    void MessTextKeyPress(char& key);

    GroupBox& GroupBox1; // "Colours" frame
    Label& Label7;       // "Main form background:"
    ComboBox& ComboBox1; // main window background colour
    Label& Label6;       // "Color of inscriptions:"
    ComboBox& ComboBox2; // colour of the main window's labels and frames
    CheckBox& CheckBox1; // keep the colours for the next start (MainFormColor, MainFormTextColor)

    GroupBox& GroupBox2;     // "Notebook" frame: the notes
    Label& Label1;           // "Kind of a delimeter:"
    ComboBox& DelimeterType; // notes delimiter (Delimeter)
    Label& Label2;           // "Font type:"
    ComboBox& FontType;      // notes font (NotebookType)
    Label& Label3;           // "Font size:"
    ComboBox& FontSize;      // notes font size (NotebookSize)

    GroupBox& GroupBox3; // "Reminder settings" frame
    Label& Label4;       // "Message text:"
    Memo& MessText;      // reminder message text (WarningMessageText)
    CheckBox& LastEvent; // remind of past events (LastEvent)

    GroupBox& GroupBox4;    // "Search settings" frame
    GroupBox& GroupBox6;    // "General" frame in it
    CheckBox& Register;     // match case (RegisterCheck)
    RadioButton& FirstStr;  // find the first occurrence (SubStringPosition 0)
    RadioButton& LastStr;   // find the last occurrence (SubStringPosition 1)
    GroupBox& GroupBox5;    // "Event keeper" frame in it
    RadioButton& EventOnly; // search events in their text only (EventOnly 1)
    RadioButton& AllString; // search events in the whole line (EventOnly 0)

    GroupBox& GroupBox7;          // "Language" frame
    RadioButton& RussianLanguage; // Russian (LangID 0)
    RadioButton& EnglishLanguage; // English (LangID 1)

    Button& SaveConfig; // "Apply": save, recolour and close
    Button& Button1;    // "Cancel" (result Cancel)
    ListBox& HelpBox;   // invisible: the dialog's own copy of the settings lines

private:
    void applyCaptions();
    void fillLists();
    void openListsOnValuesInForce();
    void applyColors();
    Lines updatedSettings() const;

    DialogContext context_;
    FileStore& files_;
    MainWindowColors colors_;
};

} // namespace norvik
