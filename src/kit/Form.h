// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Color.h"
#include "kit/Control.h"
#include "kit/Font.h"
#include "kit/Text.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace norvik {

class Button;
class MenuItem;
class Platform;

inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrRetry = 4;

// A window: class name, caption, client size, colours, font, its controls in
// creation order, its main menu and its modal result.
class Form {
public:
    Form(Platform& platform, std::string className);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Platform& platform() const { return platform_; }
    const std::string& className() const { return className_; }

    // Creates a control owned by this window.
    template <class T, class... Args> T& add(Control* parent, std::string name, Args&&... args) {
        auto control =
            std::make_unique<T>(*this, parent, std::move(name), std::forward<Args>(args)...);
        T& ref = *control;
        controls_.push_back(std::move(control));
        return ref;
    }
    template <class T> T& addComponent(std::string name) {
        auto control = std::make_unique<T>(*this, std::move(name));
        T& ref = *control;
        controls_.push_back(std::move(control));
        return ref;
    }
    MenuItem& addMenuItem(MenuItem* parent, std::string name, Text caption);

    Control* find(std::string_view name) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    // The menu bar's items in display order.
    const std::vector<MenuItem*>& menu() const { return menu_; }

    // Shows the window modally: the show handler runs (a failure there is
    // reported and the window still shows), then the platform runs the modal
    // loop until a modal result is set. The window is hidden again afterwards.
    int showModal();
    // Ends the modal loop with this result.
    void close(int result) { modalResult = result; }

    // The control the program last gave the keyboard focus to, and a count of
    // such changes so that a front end can tell when to move its own focus.
    Control* focused() const { return focused_; }
    std::uint64_t focusRevision() const { return focusRevision_; }
    void setFocused(Control& control) {
        focused_ = &control;
        ++focusRevision_;
    }

    Text caption;
    int clientWidth = 0;
    int clientHeight = 0;
    Color color = clBtnFace;
    Font font;
    bool visible = false;
    int modalResult = mrNone;
    // The main window has a minimise box and no maximise box; dialogs neither.
    bool minimizeBox = false;
    // The buttons Enter and Escape press in a dialog (none where a dialog has
    // no such button); a field's own key handler may consume the key first.
    Button* defaultButton = nullptr;
    Button* cancelButton = nullptr;

    std::function<void()> onShow;
    std::function<void()> onActivate;
    // The close box of the main window; dialogs take the modal result 2 instead.
    std::function<void()> onCloseRequest;
    // The main window only: a restore command sent to the application (as
    // from the task bar), and the desktop's log-off notice. The tray icon
    // component answers them.
    std::function<void()> onRestoreRequest;
    std::function<void()> onLogoff;

private:
    Platform& platform_;
    std::string className_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<MenuItem*> menu_;
    Control* focused_ = nullptr;
    std::uint64_t focusRevision_ = 0;
};

} // namespace norvik
