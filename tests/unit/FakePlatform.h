#pragma once

#include "kit/Form.h"
#include "kit/Platform.h"

#include <string>

namespace norvik::test {

// A platform that answers every box with OK and every dialog with mrOk; the
// clock stands at 07.12.2026 10:00:00. Tests override what they script.
class SilentPlatform : public Platform {
public:
    int messageBox(const Text&, const Text&, int) override { return idOk; }
    int runModal(Form&) override { return mrOk; }
    void showMainWindow(Form&) override {}
    void hideMainWindow(Form&) override {}
    void restoreMainWindow(Form&) override {}
    DateTime now() override { return {2026, 12, 7, 10, 0, 0, 0}; }
    void timerChanged(Timer&) override {}
    bool shellOpen(const Text&, const Text&) override { return true; }
    bool addTrayIcon(TrayIcon&) override { return true; }
    bool removeTrayIcon(TrayIcon&) override { return true; }
    void terminate() override {}
};

// A module whose line n reads "PREFIX n", as the scenario modules do.
inline Lines numberedModule(const std::string& prefix, int count = 297) {
    Lines lines;
    for (int n = 0; n < count; ++n) {
        lines.push_back(prefix + " " + std::to_string(n));
    }
    return lines;
}

} // namespace norvik::test
