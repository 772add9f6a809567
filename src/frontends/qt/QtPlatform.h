// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Platform.h"

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QSystemTrayIcon;
class QTimer;
class QWidget;

namespace norvik::qt {

class MainWindow;
class ModalDialog;
class ReminderNotification;
class TrayDoubleClicks;
class TrayMenu;

// The Platform on Qt: message boxes, modal dialogs, the main window, the
// clock, the timers, the desktop's opener and the tray icon. Every handler
// the user's input starts goes through run(), which reports its failure and
// then brings every shown window up to date with the kit objects.
class QtPlatform : public QObject, public Platform {
public:
    // onTerminate ends the program; by default the process exits at once
    // (every file is saved by the time the program asks to end).
    explicit QtPlatform(std::function<void()> onTerminate = {});
    ~QtPlatform() override;

    int messageBox(const Text& text, const Text& title, int flags) override;
    int runModal(Form& form) override;
    void showMainWindow(Form& form) override;
    void hideMainWindow(Form& form) override;
    void restoreMainWindow(Form& form) override;
    DateTime now() override;
    void timerChanged(Timer& timer) override;
    bool shellOpen(const Text& verb, const Text& target) override;
    bool addTrayIcon(TrayIcon& icon) override;
    bool removeTrayIcon(TrayIcon& icon) override;
    void reminderShown(const Text& eventLine) override;
    void reminderAnswered() override;
    void terminate() override;
    void languageChosen(int module) override;
    std::string desktopLocale() override;
    void runWhenIdle(std::function<void()> task) override;
    bool modalOpen() override { return !dialogs_.empty() || boxes_ > 0; }

    // Another copy of the program asked this one to come to the front: as the
    // task bar's restore command (out of the tray, too), then raised and
    // active, an open dialog above it. Nothing before the window was shown.
    void comeForward(Form& main);

    // Runs one handler inside dispatch; false when it failed.
    bool run(const std::function<void()>& handler);
    // Brings every shown window up to date with its form.
    void syncAll();

    bool ended() const { return ended_; }
    // The main window's top-level widget, once it was shown.
    QWidget* mainWindow() const;
    // The innermost open dialog's widget, if any.
    QWidget* topDialog() const;
    // The widget that shows a control of a shown form.
    QWidget* widgetOf(const Form& form, const char* controlName) const;
    QSystemTrayIcon* trayIcon() const { return tray_.get(); }
    // Closes every window before the forms go away.
    void closeAll();

private:
    void afterHandler();
    void runPendingActivations();
    void runIdleTasks();
    void startFormTimers(Form& form);
    void dropFormTimers(const Form& form);
    void onTrayActivated(TrayIcon& icon, int reason);
    // The icon's tooltip and menu as the kit's icon has them.
    void syncTray();
    // Boxes and dialogs stay with the main window while it is shown, and
    // stand on their own while it is in the tray.
    void placeWithMainWindow(QWidget& window) const;

    std::function<void()> onTerminate_;
    std::unique_ptr<MainWindow> main_;
    std::vector<ModalDialog*> dialogs_;
    std::map<Timer*, std::unique_ptr<QTimer>> timers_;
    std::unique_ptr<QSystemTrayIcon> tray_;
    TrayIcon* trayControl_ = nullptr;
    std::unique_ptr<TrayMenu> trayMenu_;
    Text trayHint_;
    std::unique_ptr<ReminderNotification> notification_;
    std::unique_ptr<TrayDoubleClicks> trayClicks_;
    bool singleActivationRestores_ = false;
    int depth_ = 0;
    int boxes_ = 0; // message boxes open
    std::vector<std::function<void()>> idleTasks_;
    bool ended_ = false;

    friend class ModalDialog;
};

} // namespace norvik::qt
