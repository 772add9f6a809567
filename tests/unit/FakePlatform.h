#pragma once

#include "kit/Form.h"
#include "kit/Platform.h"

namespace norvik::test {

// A platform that answers every box with OK and every dialog with mrOk.
class SilentPlatform : public Platform {
public:
    int messageBox(const Text&, const Text&, int) override { return idOk; }
    int runModal(Form&) override { return mrOk; }
    void showMainWindow(Form&) override {}
    void hideMainWindow(Form&) override {}
    void restoreMainWindow(Form&) override {}
    DateTime now() override { return {}; }
    void timerChanged(Timer&) override {}
    bool shellOpen(const Text&, const Text&) override { return true; }
    bool addTrayIcon(TrayIcon&) override { return true; }
    bool removeTrayIcon(TrayIcon&) override { return true; }
    void terminate() override {}
};

} // namespace norvik::test
