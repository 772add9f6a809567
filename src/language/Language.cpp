// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/Language.h"

#include "kit/Failure.h"
#include "kit/Form.h"
#include "store/Codec1251.h"

#include <array>
#include <climits>
#include <string>

namespace norvik {

namespace {

constexpr int keep = INT_MIN;

// What a fit rule does to one control of the window.
struct FitEffect {
    std::string_view target; // another control of the window; empty: the control itself
    int left = keep;
    int width = keep;
    int shift = 0;             // added to Left
    std::string_view fontName; // empty: the font stays
    bool bold = false;         // with fontName
};

struct FitRule {
    std::string_view window;
    std::string_view control;
    std::string_view literal; // the caption that asks for the fitted layout
    FitEffect ifEqual;
    FitEffect otherwise;
};

constexpr FitEffect place(int left, int width = keep) {
    return {{}, left, width, 0, {}, false};
}
constexpr FitEffect placeOther(std::string_view target, int left) {
    return {target, left, keep, 0, {}, false};
}
constexpr FitEffect shiftOther(std::string_view target, int by) {
    return {target, keep, keep, by, {}, false};
}
constexpr FitEffect typeface(std::string_view name, bool bold) {
    return {{}, keep, keep, 0, name, bold};
}
constexpr FitEffect unchanged() {
    return {};
}

// Most literals are the English wording of the line; the reminder switch keys
// on the Russian design caption. A rule that moves two controls has one row
// for each.
constexpr std::array<FitRule, 16> fitRules = {{
    // clang-format off
    {"TForm1", "CheckBox1", "Оповещение вкл.", place(12), place(20)},
    {"TForm3", "Label1", "Date:", place(43), place(39)},
    {"TForm3", "Label3", "Event:", place(38), place(21)},
    {"TConfiguration", "Label7", "Main form background:", place(7), unchanged()},
    {"TConfiguration", "Label6", "Color of inscriptions:", place(22), unchanged()},
    {"TConfiguration", "Label1", "Kind of a delimeter:", place(20), unchanged()},
    {"TConfiguration", "Label2", "Font type:", place(63), unchanged()},
    {"TConfiguration", "Label3", "Font size:", place(65), unchanged()},
    {"TConfiguration", "CheckBox1", "At the following start to apply these colors", place(25, 220), unchanged()},
    {"TConfiguration", "LastEvent", "To remind of past events", place(60, 170), unchanged()},
    {"TConfiguration", "RussianLanguage", "Russian", shiftOther("RussianLanguage", 10), unchanged()},
    {"TConfiguration", "RussianLanguage", "Russian", shiftOther("EnglishLanguage", 10), unchanged()},
    {"TMyMessageBoxF", "RadioButton1", "To overlook", placeOther("Button1", 88), unchanged()},
    {"TAboutBox", "ProductName", "\"Norvik\"", typeface("Courier New", true), typeface("Impact", false)},
    {"TAboutBox", "Label1", "Program characteristics", place(64), place(50)},
    {"TAboutBox2", "Label1", "Many Thanks", place(56), unchanged()},
    // clang-format on
}};

void apply(Form& form, Control& control, const FitEffect& effect) {
    Control* target = effect.target.empty() ? &control : form.find(effect.target);
    if (target == nullptr) {
        return;
    }
    if (effect.left != keep) {
        target->left = effect.left;
    }
    if (effect.width != keep) {
        target->width = effect.width;
    }
    target->left += effect.shift;
    if (!effect.fontName.empty()) {
        target->font.name = Text(effect.fontName);
        target->font.bold = effect.bold;
    }
}

} // namespace

Text langLine(const Lines& lines, int n) {
    if (n < 0 || static_cast<std::size_t>(n) >= lines.size()) {
        throw Failure("List index out of bounds (" + std::to_string(n) + ")");
    }
    return Text(lines[static_cast<std::size_t>(n)]);
}

Text langLine(const Lines& lines, Line line) {
    return langLine(lines, static_cast<int>(line));
}

void applyFitRule(Form& form, std::string_view controlName) {
    Control* control = form.find(controlName);
    if (control == nullptr) {
        return; // the window is not built yet
    }
    // The codec is one-to-one, so comparing in UTF-8 is the exact comparison.
    const std::string caption = cp1251::toUtf8(control->caption);
    for (const auto& rule : fitRules) {
        if (rule.window != form.className() || rule.control != controlName) {
            continue;
        }
        apply(form, *control, caption == rule.literal ? rule.ifEqual : rule.otherwise);
    }
}

void applyFitRule(Form& form, const Control& control) {
    applyFitRule(form, control.name());
}

std::vector<FitRuleNames> fitRuleNames() {
    std::vector<FitRuleNames> names;
    for (const auto& rule : fitRules) {
        for (const FitEffect* effect : {&rule.ifEqual, &rule.otherwise}) {
            names.push_back({rule.window, rule.control,
                             effect->target.empty() ? rule.control : effect->target});
        }
    }
    return names;
}

} // namespace norvik
