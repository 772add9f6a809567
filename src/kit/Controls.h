// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Control.h"
#include "kit/DateTime.h"
#include "kit/ListBox.h"
#include "kit/TextControls.h"

#include <vector>

namespace norvik {

class Label : public Control {
public:
    Label(Form& form, Control* parent, std::string name)
        : Control(form, parent, std::move(name), ControlKind::Label) {}
    bool autoSize = true;
    bool wordWrap = false;
    bool transparent = true;
};

class Button : public Control {
public:
    Button(Form& form, Control* parent, std::string name)
        : Control(form, parent, std::move(name), ControlKind::Button) {}
    // The modal result a dialog takes when the button is pressed (0: none).
    int modalResult = 0;
    // Name of the glyph an image button shows (empty: a push button).
    std::string glyph;
};

class CheckBox : public Control {
public:
    CheckBox(Form& form, Control* parent, std::string name)
        : Control(form, parent, std::move(name), ControlKind::CheckBox) {}
    bool checked() const { return checked_; }
    // A change of state runs the click handler, as the user's click does.
    void setChecked(bool on);

private:
    bool checked_ = false;
};

class RadioButton : public Control {
public:
    RadioButton(Form& form, Control* parent, std::string name)
        : Control(form, parent, std::move(name), ControlKind::RadioButton) {}
    bool checked() const { return checked_; }
    // Checking one unchecks its siblings and runs its click handler;
    // unchecking runs nothing.
    void setChecked(bool on);

private:
    bool checked_ = false;
};

class GroupBox : public Control {
public:
    GroupBox(Form& form, Control* parent, std::string name)
        : Control(form, parent, std::move(name), ControlKind::GroupBox) {}
};

class Image : public Control {
public:
    Image(Form& form, Control* parent, std::string name)
        : Control(form, parent, std::move(name), ControlKind::Image) {}
    std::string picture; // the front end's name for the bitmap
    bool stretch = false;
};

class ComboBox : public Control {
public:
    ComboBox(Form& form, Control* parent, std::string name)
        : Control(form, parent, std::move(name), ControlKind::ComboBox) {
        color = clWindow;
    }
    Lines items;
    Text text;
    // Whether the user may type a text of his own.
    bool editable = true;
    int itemIndex() const;
    // Chooses entry index (-1: none, the text becomes empty).
    void setItemIndex(int index);
    std::size_t maxLength = 0;
};

class UpDown : public Control {
public:
    UpDown(Form& form, Control* parent, std::string name)
        : Control(form, parent, std::move(name), ControlKind::UpDown) {}
    int min = 0;
    int max = 100;
    int position() const { return position_; }
    // Sets the position within min..max and writes it into the associated field.
    void setPosition(int value);
    bool wrap = false;
    Edit* associate = nullptr;
    // The arrows: step by one within the range, no wrap-around.
    void up();
    void down();

private:
    int position_ = 0;
};

class DatePicker : public Control {
public:
    DatePicker(Form& form, Control* parent, std::string name)
        : Control(form, parent, std::move(name), ControlKind::DatePicker) {
        color = clWindow;
    }
    const DateTime& date() const { return date_; }
    // Holds 01.01.1601 to 31.12.9999; anything else fails with
    // "Failed to set calendar date or time" and leaves the date alone.
    void setDate(const DateTime& date);

private:
    DateTime date_{2000, 1, 1};
};

class MenuItem : public Control {
public:
    MenuItem(Form& form, Control* parent, std::string name)
        : Control(form, parent, std::move(name), ControlKind::MenuItem) {}
    bool separator() const { return caption == "-"; }
    std::vector<MenuItem*> items;
    // A check mark beside the caption.
    bool checked = false;
};

class Timer : public Control {
public:
    Timer(Form& form, std::string name)
        : Control(form, nullptr, std::move(name), ControlKind::Timer) {}
    bool isEnabled() const { return enabled; }
    // Switching tells the platform, which starts or stops its clock.
    void setEnabled(bool on);
    int interval = 1000;
    std::function<void()> onTimer;
};

enum class MouseButton { Left, Right, Middle };

// The notification-area icon; its behaviour belongs to the tray component.
class TrayIcon : public Control {
public:
    TrayIcon(Form& form, std::string name)
        : Control(form, nullptr, std::move(name), ControlKind::TrayIcon) {
        visible = false;
    }
    std::function<void(MouseButton button, bool doubleClick)> onMouse;
    // The menu the right mouse button opens (null: none). Only its items
    // show; its click handler runs as it opens. The hint is the tooltip.
    MenuItem* popupMenu = nullptr;
};

} // namespace norvik
