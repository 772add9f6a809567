// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/QtPlatform.h"

#include "frontends/qt/BoxWidth.h"
#include "frontends/qt/FormWindows.h"
#include "frontends/qt/ModuleLanguage.h"
#include "frontends/qt/Pictures.h"
#include "frontends/qt/QtText.h"
#include "frontends/qt/ReminderNotification.h"
#include "frontends/qt/TrayDoubleClicks.h"
#include "frontends/qt/TrayMenu.h"
#include "kit/Controls.h"
#include "kit/Dispatch.h"
#include "kit/Form.h"
#include "kit/Locale.h"
#include "kit/ProgramEnded.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace norvik::qt {

namespace {

QMessageBox::Icon boxIcon(int flags) {
    switch (flags & ~mbDefaultButton2) {
    case mbError:
        return QMessageBox::Critical;
    case mbQuestion:
        return QMessageBox::Question;
    case mbWarningYesNo:
        return QMessageBox::Warning;
    default:
        return QMessageBox::Information;
    }
}

// Hosts that speak the StatusNotifier protocol report one activation and no
// double click; there a single activation restores the window.
bool trayHasNoDoubleClick() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface() != nullptr &&
           bus.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

} // namespace

QtPlatform::QtPlatform(std::function<void()> onTerminate)
    : onTerminate_(std::move(onTerminate)),
      notification_(std::make_unique<ReminderNotification>()) {
    QApplication::setQuitOnLastWindowClosed(false);
}

QtPlatform::~QtPlatform() {
    closeAll();
}

void QtPlatform::closeAll() {
    timers_.clear();
    trayClicks_.reset();
    tray_.reset();
    trayMenu_.reset();
    trayControl_ = nullptr;
    main_.reset();
}

bool QtPlatform::run(const std::function<void()>& handler) {
    if (ended_) {
        return false;
    }
    bool ran = false;
    ++depth_;
    try {
        ran = dispatch(*this, handler);
    } catch (const ProgramEnded&) {
        ended_ = true;
    }
    --depth_;
    afterHandler();
    return ran;
}

void QtPlatform::afterHandler() {
    if (ended_) {
        return;
    }
    syncAll();
    for (auto it = dialogs_.rbegin(); it != dialogs_.rend(); ++it) {
        if ((*it)->form().modalResult != mrNone) {
            (*it)->finish();
        }
    }
    runPendingActivations();
    runIdleTasks();
}

void QtPlatform::runWhenIdle(std::function<void()> task) {
    idleTasks_.push_back(std::move(task));
    // From the event loop, in case no handler returns before then.
    QTimer::singleShot(0, this, [this] { runIdleTasks(); });
}

void QtPlatform::runIdleTasks() {
    while (!ended_ && depth_ == 0 && !modalOpen() && !idleTasks_.empty()) {
        const std::function<void()> task = std::move(idleTasks_.front());
        idleTasks_.erase(idleTasks_.begin());
        run(task);
    }
}

void QtPlatform::runPendingActivations() {
    // Only the topmost dialog, and only when no handler is running above its loop.
    if (ended_ || dialogs_.empty()) {
        return;
    }
    ModalDialog* top = dialogs_.back();
    if (depth_ != top->baseDepth() || !top->takeActivation()) {
        return;
    }
    Form& form = top->form();
    if (form.onActivate && form.modalResult == mrNone) {
        run(form.onActivate);
    }
}

void QtPlatform::syncAll() {
    if (ended_) {
        return;
    }
    if (main_) {
        main_->view().sync();
    }
    for (ModalDialog* dialog : dialogs_) {
        dialog->view().sync();
    }
    syncTray();
}

void QtPlatform::syncTray() {
    if (!tray_ || trayControl_ == nullptr) {
        return;
    }
    if (trayControl_->hint != trayHint_) {
        trayHint_ = trayControl_->hint;
        tray_->setToolTip(toQt(trayHint_));
    }
    if (trayMenu_) {
        trayMenu_->sync();
    }
}

int QtPlatform::messageBox(const Text& text, const Text& title, int flags) {
    syncAll();
    const bool yesNo = isYesNo(flags);
    QMessageBox box(boxIcon(flags), toQt(title), toQt(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    const bool noFirst = yesNo && (flags & mbDefaultButton2) != 0;
    box.setDefaultButton(!yesNo ? QMessageBox::Ok : noFirst ? QMessageBox::No : QMessageBox::Yes);
    // Escape and the close box answer a question with neither Yes nor No: a
    // button no one sees takes them, where Qt would otherwise take No.
    if (yesNo) {
        QAbstractButton* dismiss = box.addButton(QMessageBox::Cancel);
        dismiss->hide();
        box.setEscapeButton(dismiss);
    }
    fitBoxToTitle(box);
    placeWithMainWindow(box);
    ++boxes_;
    box.exec();
    --boxes_;
    if (!yesNo) {
        return idOk;
    }
    QAbstractButton* answer = box.clickedButton();
    if (answer == box.button(QMessageBox::Yes)) {
        return idYes;
    }
    return answer == box.button(QMessageBox::No) ? idNo : idCancel;
}

int QtPlatform::runModal(Form& form) {
    if (ended_) {
        return form.modalResult;
    }
    syncAll();
    auto dialog = std::make_unique<ModalDialog>(*this, form, depth_);
    dialogs_.push_back(dialog.get());
    startFormTimers(form);
    QWidget* owner = dialogs_.size() > 1 ? static_cast<QWidget*>(dialogs_[dialogs_.size() - 2])
                                         : static_cast<QWidget*>(main_.get());
    dialog->centreOver(owner);
    placeWithMainWindow(*dialog);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    // The first activation: the dialog has just become the active window.
    if (form.onActivate && form.modalResult == mrNone) {
        run(form.onActivate);
    }
    if (form.modalResult == mrNone && !ended_) {
        dialog->exec();
    }
    dialogs_.pop_back();
    dropFormTimers(form);
    dialog.reset();
    syncAll();
    return form.modalResult;
}

void QtPlatform::showMainWindow(Form& form) {
    if (!main_) {
        main_ = std::make_unique<MainWindow>(*this, form);
        startFormTimers(form);
    }
    form.visible = true;
    main_->view().sync();
    if (!main_->centred()) {
        main_->centre();
    }
    main_->show();
}

void QtPlatform::hideMainWindow(Form& form) {
    form.visible = false;
    if (main_) {
        main_->hide();
    }
}

void QtPlatform::restoreMainWindow(Form& form) {
    showMainWindow(form);
    if (main_->isMinimized()) {
        main_->showNormal();
    }
    main_->raise();
    main_->activateWindow();
    // activateWindow alone is often refused (focus-stealing prevention): ask
    // the window manager itself, and where the window is still not active
    // after a moment, have the desktop draw attention to it.
    if (QWindow* window = main_->windowHandle()) {
        window->requestActivate();
    }
    QTimer::singleShot(500, main_.get(), [this] {
        if (main_ && main_->isVisible() && QApplication::activeWindow() == nullptr) {
            QApplication::alert(main_.get());
        }
    });
}

void QtPlatform::comeForward(Form& main) {
    if (ended_ || !main_ || &main_->form() != &main) {
        return;
    }
    if (main.onRestoreRequest) {
        run(main.onRestoreRequest);
    }
    if (ended_) {
        return;
    }
    restoreMainWindow(main);
    if (QWidget* dialog = topDialog()) {
        dialog->raise();
        dialog->activateWindow();
    }
}

void QtPlatform::placeWithMainWindow(QWidget& window) const {
    // Never a minimise or maximise box: a modal window minimised away would
    // leave the main window blocked with nothing to answer.
    window.setWindowFlags((window.windowFlags() | Qt::CustomizeWindowHint) &
                          ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    window.winId();
    QWindow* handle = window.windowHandle();
    if (handle == nullptr) {
        return;
    }
    const bool mainShown = main_ && main_->isVisible() && main_->form().visible;
    handle->setTransientParent(mainShown ? main_->windowHandle() : nullptr);
}

void QtPlatform::reminderShown(const Text& eventLine) {
    notification_->show(toQt(eventLine));
}

void QtPlatform::reminderAnswered() {
    notification_->close();
}

DateTime QtPlatform::now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return DateTime{date.year(),   date.month(),  date.day(), time.hour(),
                    time.minute(), time.second(), time.msec()};
}

void QtPlatform::timerChanged(Timer& timer) {
    auto& clock = timers_[&timer];
    if (!clock) {
        clock = std::make_unique<QTimer>();
        clock->setTimerType(Qt::PreciseTimer);
        Timer* kitTimer = &timer;
        QObject::connect(clock.get(), &QTimer::timeout, this, [this, kitTimer] {
            // It keeps ticking under message boxes and dialogs, as the program expects.
            if (kitTimer->isEnabled() && kitTimer->onTimer) {
                run(kitTimer->onTimer);
            }
        });
    }
    if (timer.isEnabled() && timer.interval > 0 && !ended_) {
        clock->start(timer.interval);
    } else {
        clock->stop();
    }
}

void QtPlatform::startFormTimers(Form& form) {
    for (const auto& control : form.controls()) {
        if (control->kind() == ControlKind::Timer && control->enabled) {
            timerChanged(static_cast<Timer&>(*control));
        }
    }
}

void QtPlatform::dropFormTimers(const Form& form) {
    std::erase_if(timers_, [&form](const auto& entry) { return &entry.first->form() == &form; });
}

bool QtPlatform::shellOpen(const Text& /*verb*/, const Text& target) {
    const QString text = toQt(target);
    const QUrl url =
        text.contains(QStringLiteral("://")) || text.startsWith(QStringLiteral("mailto:"))
            ? QUrl(text)
            : QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
    return QDesktopServices::openUrl(url);
}

bool QtPlatform::addTrayIcon(TrayIcon& icon) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        return false;
    }
    if (!tray_) {
        tray_ = std::make_unique<QSystemTrayIcon>(programIcon());
        TrayIcon* kitIcon = &icon;
        // Queued: the handler may remove the icon, which must not happen
        // inside the icon's own signal.
        QObject::connect(
            tray_.get(), &QSystemTrayIcon::activated, this,
            [this, kitIcon](QSystemTrayIcon::ActivationReason reason) {
                onTrayActivated(*kitIcon, static_cast<int>(reason));
            },
            Qt::QueuedConnection);
        trayClicks_ = std::make_unique<TrayDoubleClicks>([this, kitIcon](MouseButton button) {
            if (kitIcon->onMouse) {
                run([kitIcon, button] { kitIcon->onMouse(button, true); });
            }
        });
        trayControl_ = kitIcon;
        trayHint_.clear();
        tray_->setToolTip(QString());
        if (icon.popupMenu != nullptr) {
            trayMenu_ = std::make_unique<TrayMenu>(*this, *icon.popupMenu);
            tray_->setContextMenu(trayMenu_->menu());
        }
    }
    singleActivationRestores_ = trayHasNoDoubleClick();
    syncTray();
    tray_->show();
    return true;
}

bool QtPlatform::removeTrayIcon(TrayIcon& /*icon*/) {
    if (!tray_) {
        return QSystemTrayIcon::isSystemTrayAvailable();
    }
    tray_->hide();
    tray_.release()->deleteLater();
    // Later too: the removal may come from one of its own double clicks, or
    // from an item of its menu.
    trayClicks_.release()->deleteLater();
    trayMenu_.reset();
    trayControl_ = nullptr;
    return true;
}

void QtPlatform::onTrayActivated(TrayIcon& icon, int reason) {
    if (!icon.onMouse) {
        return;
    }
    MouseButton button = MouseButton::Left;
    bool doubleClick = false;
    switch (static_cast<QSystemTrayIcon::ActivationReason>(reason)) {
    case QSystemTrayIcon::DoubleClick:
        doubleClick = true;
        break;
    case QSystemTrayIcon::Trigger:
        doubleClick = singleActivationRestores_;
        break;
    case QSystemTrayIcon::MiddleClick:
        button = MouseButton::Middle;
        break;
    case QSystemTrayIcon::Context:
        button = MouseButton::Right;
        break;
    default:
        return;
    }
    run([&icon, button, doubleClick] { icon.onMouse(button, doubleClick); });
}

void QtPlatform::terminate() {
    ended_ = true;
    if (tray_) {
        tray_->hide();
    }
    if (!onTerminate_) {
        // Every file is saved by now: end at once, wherever the program is.
        std::fflush(nullptr);
        std::_Exit(0);
    }
    onTerminate_();
    for (ModalDialog* dialog : dialogs_) {
        dialog->done(0);
    }
    if (main_) {
        main_->hide();
    }
}

void QtPlatform::languageChosen(int module) {
    speakModuleLanguage(module);
}

std::string QtPlatform::desktopLocale() {
    return messagesLocale(std::getenv);
}

QWidget* QtPlatform::mainWindow() const {
    return main_.get();
}

QWidget* QtPlatform::topDialog() const {
    return dialogs_.empty() ? nullptr : dialogs_.back();
}

QWidget* QtPlatform::widgetOf(const Form& form, const char* controlName) const {
    if (main_ && &main_->form() == &form) {
        return main_->view().widgetOf(controlName);
    }
    for (ModalDialog* dialog : dialogs_) {
        if (&dialog->form() == &form) {
            return dialog->view().widgetOf(controlName);
        }
    }
    return nullptr;
}

} // namespace norvik::qt
