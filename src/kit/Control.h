// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Color.h"
#include "kit/Font.h"
#include "kit/Text.h"

#include <functional>
#include <string>

namespace norvik {

class Form;

enum class ControlKind {
    Label,
    Button,
    Edit,
    Memo,
    ListBox,
    CheckBox,
    RadioButton,
    GroupBox,
    ComboBox,
    UpDown,
    DatePicker,
    Image,
    MenuItem,
    Timer,
    TrayIcon,
};

struct ShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// Virtual key codes the handlers look at.
inline constexpr int vkBack = 8;
inline constexpr int vkReturn = 13;
inline constexpr int vkEscape = 27;
inline constexpr int vkInsert = 45;
inline constexpr int vkDelete = 46;

// A windowing control as a plain object: its design name, parent, geometry,
// font, colours and flags. The kinds add their own state. Front ends render
// these objects and feed user input back through the event handlers.
class Control {
public:
    Control(Form& form, Control* parent, std::string name, ControlKind kind)
        : form_(form), parent_(parent), name_(std::move(name)), kind_(kind) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Control* parent() const { return parent_; }
    Form& form() const { return form_; }

    // Visible on screen: its own flag, every parent's and the window's.
    bool showing() const;
    // Usable: enabled itself and every parent enabled.
    bool usable() const;

    // Gives this control the keyboard focus of its window.
    void setFocus();

    void setBounds(int l, int t, int w, int h) {
        left = l;
        top = t;
        width = w;
        height = h;
    }

    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool enabled = true;
    bool visible = true;
    Text caption;
    Text hint;
    Color color = clBtnFace;
    Font font;

    std::function<void()> onClick;
    std::function<void(int& key, ShiftState shift)> onKeyDown;
    // The handler may change the character or set it to 0 to discard it.
    std::function<void(char& key)> onKeyPress;
    std::function<void()> onChange;

private:
    Form& form_;
    Control* parent_;
    std::string name_;
    ControlKind kind_;
};

} // namespace norvik
