// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/HeadlessPlatform.h"

#include "kit/Controls.h"
#include "kit/Dispatch.h"
#include "kit/Form.h"
#include "kit/ProgramEnded.h"

#include <string>

namespace norvik::headless {

int HeadlessPlatform::messageBox(const Text& text, const Text& title, int flags) {
    output_.line("box " + std::to_string(flags) + " " + quoted(title) + " " + quoted(text));
    if (!isYesNo(flags)) {
        return idOk;
    }
    // Counted while it waits, so that what waits for an idle program waits too.
    struct Waiting {
        explicit Waiting(int& count) : count_(count) { ++count_; }
        ~Waiting() { --count_; }
        Waiting(const Waiting&) = delete;
        Waiting& operator=(const Waiting&) = delete;
        int& count_;
    } waiting(questions_);
    return input_.answerQuestion();
}

void HeadlessPlatform::runIdleTasks() {
    while (!idleTasks_.empty() && !modalOpen()) {
        const std::function<void()> task = std::move(idleTasks_.front());
        idleTasks_.erase(idleTasks_.begin());
        dispatch(*this, task);
    }
}

int HeadlessPlatform::runModal(Form& form) {
    output_.line("shown " + form.className());
    windows_.pushDialog(form);
    if (form.onActivate && form.modalResult == mrNone) {
        dispatch(*this, form.onActivate);
    }
    if (form.modalResult == mrNone) {
        input_.runDialog(form);
    }
    windows_.popDialog(form);
    const int result = form.modalResult;
    output_.line("closed " + form.className() + " " + std::to_string(result));
    if (windows_.hasDialog()) {
        windows_.markReactivated(*windows_.topmost());
    }
    return result;
}

void HeadlessPlatform::showMainWindow(Form& form) {
    windows_.setMain(form);
    if (!form.visible) {
        form.visible = true;
        output_.line("shown " + form.className());
    }
}

void HeadlessPlatform::hideMainWindow(Form& form) {
    windows_.setMain(form);
    if (form.visible) {
        form.visible = false;
        output_.line("hidden " + form.className());
    }
}

void HeadlessPlatform::restoreMainWindow(Form& form) {
    // Nothing is minimised here; only a hidden window comes back into view.
    showMainWindow(form);
}

bool HeadlessPlatform::shellOpen(const Text& verb, const Text& target) {
    // The hand-over is shown either way; without a browser nothing opens it.
    output_.line("shell " + quoted(verb) + " " + quoted(target));
    return browser_;
}

bool HeadlessPlatform::addTrayIcon(TrayIcon&) {
    if (!trayHost_) {
        return false;
    }
    trayIconShown_ = true;
    output_.line("tray added");
    return true;
}

bool HeadlessPlatform::removeTrayIcon(TrayIcon&) {
    if (!trayHost_) {
        return false;
    }
    trayIconShown_ = false;
    output_.line("tray removed");
    return true;
}

void HeadlessPlatform::terminate() {
    output_.line("end");
    input_.programEnded();
    throw ProgramEnded{}; // not reached: the input loop stops above
}

} // namespace norvik::headless
