#pragma once

#include "kit/Form.h"

namespace norvik {

class TForm1;

// The settings dialog: shows the settings file's values, and on Accept writes
// them back, recolours the main window at once and confirms. Everything but
// the colours takes effect at the next start. Creating it runs its creation
// step, which reads the settings file into its own copy of the lines.
class TConfiguration : public Form {
public:
    explicit TConfiguration(TForm1& owner);

    void FormCreate();
    void FormShow();
    void SaveConfigClick();
    void MessTextKeyPress(char& key);

    GroupBox& GroupBox1;
    Label& Label7;
    ComboBox& ComboBox1;
    Label& Label6;
    ComboBox& ComboBox2;
    CheckBox& CheckBox1;

    GroupBox& GroupBox2;
    Label& Label1;
    ComboBox& DelimeterType;
    Label& Label2;
    ComboBox& FontType;
    Label& Label3;
    ComboBox& FontSize;

    GroupBox& GroupBox3;
    Label& Label4;
    Memo& MessText;
    CheckBox& LastEvent;

    GroupBox& GroupBox4;
    GroupBox& GroupBox6;
    CheckBox& Register;
    RadioButton& FirstStr;
    RadioButton& LastStr;
    GroupBox& GroupBox5;
    RadioButton& EventOnly;
    RadioButton& AllString;

    GroupBox& GroupBox7;
    RadioButton& RussianLanguage;
    RadioButton& EnglishLanguage;

    Button& SaveConfig;
    Button& Button1;
    // The dialog's own copy of the settings lines.
    ListBox& HelpBox;

private:
    void applyCaptions();
    void fillLists();
    void openListsOnValuesInForce();
    void applyColors();
    Lines updatedSettings() const;

    TForm1& owner_;
};

} // namespace norvik
