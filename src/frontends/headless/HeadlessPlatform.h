// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frontends/headless/Output.h"
#include "frontends/headless/SimulatedTime.h"
#include "frontends/headless/WindowStack.h"
#include "kit/Platform.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace norvik::headless {

// What the platform needs from whoever reads the input: the nested loops a
// question and a modal dialog run.
class ModalInput {
public:
    virtual ~ModalInput() = default;
    // Reads input lines until `yes` (idYes), `no` (idNo) or `dismiss` (idCancel).
    virtual int answerQuestion() = 0;
    // Reads input lines acting on the dialog until its modal result is set.
    virtual void runDialog(Form& form) = 0;
    // The program ended itself: stop reading input (does not return).
    [[noreturn]] virtual void programEnded() = 0;
};

// The Platform of the line protocol: every window the program opens becomes
// an output line, every wait for the user a nested input loop.
class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform(Output& output, SimulatedTime& time, WindowStack& windows, ModalInput& input)
        : output_(output), time_(time), windows_(windows), input_(input) {}

    int messageBox(const Text& text, const Text& title, int flags) override;
    int runModal(Form& form) override;
    void showMainWindow(Form& form) override;
    void hideMainWindow(Form& form) override;
    void restoreMainWindow(Form& form) override;
    DateTime now() override { return time_.now(); }
    void timerChanged(Timer& timer) override { time_.timerChanged(timer); }
    bool shellOpen(const Text& verb, const Text& target) override;
    bool addTrayIcon(TrayIcon& icon) override;
    bool removeTrayIcon(TrayIcon& icon) override;
    [[noreturn]] void terminate() override;
    void runWhenIdle(std::function<void()> task) override { idleTasks_.push_back(std::move(task)); }
    bool modalOpen() override { return windows_.hasDialog() || questions_ > 0; }

    // Runs the tasks waiting for the program to be idle (the session calls
    // this when no handler runs and no window is modal).
    void runIdleTasks();
    std::string desktopLocale() override { return locale_; }

    // The desktop's locale: the environment's, or a scenario's (`locale`).
    void setDesktopLocale(std::string locale) { locale_ = std::move(locale); }
    // Whether the desktop has a notification area (`trayhost on|off`).
    void setTrayHost(bool present) { trayHost_ = present; }
    // Whether the desktop has a program to open documents and addresses
    // with (`browser on|off`); without one, shellOpen fails.
    void setBrowser(bool present) { browser_ = present; }
    // Whether an icon of the program is in the notification area.
    bool trayIconShown() const { return trayIconShown_; }

private:
    Output& output_;
    SimulatedTime& time_;
    WindowStack& windows_;
    ModalInput& input_;
    bool trayHost_ = true;
    bool browser_ = true;
    bool trayIconShown_ = false;
    int questions_ = 0; // Yes/No boxes waiting for their answer
    std::vector<std::function<void()>> idleTasks_;
    std::string locale_;
};

} // namespace norvik::headless
