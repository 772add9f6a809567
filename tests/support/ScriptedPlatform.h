// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Controls.h"
#include "kit/Form.h"
#include "kit/Platform.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace norvik::test {

// The platform of the tests and benchmarks: no windows, a clock that stands
// still until the test moves it, and a script that acts on each modal window
// as the user would (or as a reminder firing underneath). Without a script
// every window answers mrOk untouched; with one, a window the script leaves
// open closes as its close box does (mrCancel). Every message box answers OK
// and is recorded.
class ScriptedPlatform : public Platform {
public:
    // What `boxes` keeps of each message box.
    enum class BoxRecord { FlagsTitleText, FlagsText, Text };

    int messageBox(const Text& text, const Text& title, int flags) override;
    int runModal(Form& form) override;
    void showMainWindow(Form&) override {}
    void hideMainWindow(Form&) override {}
    void restoreMainWindow(Form&) override {}
    DateTime now() override { return clock; }
    void timerChanged(Timer&) override {}
    bool shellOpen(const Text&, const Text&) override { return true; }
    bool addTrayIcon(TrayIcon&) override { return true; }
    bool removeTrayIcon(TrayIcon&) override { return true; }
    void terminate() override {}
    void runWhenIdle(std::function<void()> task) override { idleTasks.push_back(std::move(task)); }
    bool modalOpen() override { return modalDepth > 0; }

    // The script for windows of one class; any other window shown fails the
    // run with std::logic_error.
    template <class Window, class Act> void scriptFor(Act act) {
        script = [act = std::move(act)](Form& form) {
            auto* window = dynamic_cast<Window*>(&form);
            if (window == nullptr) {
                throw std::logic_error("an unexpected window: " + form.className());
            }
            act(*window);
        };
    }

    std::function<void(Form&)> script;
    // Runs while each message box is up.
    std::function<void()> underBox;
    BoxRecord record = BoxRecord::FlagsTitleText;
    std::vector<std::string> boxes;
    DateTime clock{2026, 12, 7, 10, 0, 0, 0};
    // What runWhenIdle was given, for the test to run when it means to.
    std::vector<std::function<void()>> idleTasks;
    int modalDepth = 0; // windows and boxes open now
};

} // namespace norvik::test
