// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/FormWindows.h"

#include "frontends/qt/QtPlatform.h"
#include "frontends/qt/WindowKeys.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace norvik::qt {

namespace {

void centreOn(QWidget& window, const QRect& area) {
    const QSize size = window.sizeHint().expandedTo(window.size());
    window.move(area.center().x() - size.width() / 2, area.center().y() - size.height() / 2);
}

QRect screenArea(const QWidget& window) {
    const QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

MainWindow::MainWindow(QtPlatform& platform, Form& form)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowCloseButtonHint),
      platform_(platform) {
    // A fixed border: never a maximise box, a minimise box as the form says.
    setWindowFlag(Qt::WindowMinimizeButtonHint, form.minimizeBox);
    auto* client = new QWidget(this);
    setCentralWidget(client);
    view_ = std::make_unique<FormView>(platform, form, *client);
    if (QMenuBar* bar = view_->takeMenuBar()) {
        setMenuBar(bar);
    }
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() {
    view_.reset();
}

void MainWindow::centre() {
    adjustSize();
    centreOn(*this, screenArea(*this));
    centred_ = true;
    // The window manager's frame (title bar, borders) is known only once the
    // window is on screen; then it is centred again as a whole frame.
    centreFrameWhenKnown(10);
}

void MainWindow::centreFrameWhenKnown(int triesLeft) {
    QTimer::singleShot(50, this, [this, triesLeft] {
        const QRect frame = frameGeometry();
        if (!isVisible() || frame.size() == size()) {
            if (triesLeft > 0) {
                centreFrameWhenKnown(triesLeft - 1);
            }
            return;
        }
        const QRect area = screenArea(*this);
        move(area.center().x() - frame.width() / 2, area.center().y() - frame.height() / 2);
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Only the program's close sequence ends it; the window itself stays.
    event->ignore();
    Form& shown = form();
    if (shown.onCloseRequest) {
        platform_.run(shown.onCloseRequest);
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (takeWindowKey(platform_, *view_, *event)) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) {
        return;
    }
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const bool wasMinimised = (change->oldState() & Qt::WindowMinimized) != 0;
    Form& shown = form();
    if (wasMinimised && !isMinimized() && shown.onRestoreRequest) {
        platform_.run(shown.onRestoreRequest);
    }
}

ModalDialog::ModalDialog(QtPlatform& platform, Form& form, int baseDepth)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      platform_(platform), baseDepth_(baseDepth) {
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* client = new QWidget(this);
    layout->addWidget(client);
    view_ = std::make_unique<FormView>(platform, form, *client);
    if (QMenuBar* bar = view_->takeMenuBar()) {
        layout->setMenuBar(bar);
    }
}

ModalDialog::~ModalDialog() {
    view_.reset();
}

void ModalDialog::finish() {
    done(form().modalResult);
}

bool ModalDialog::takeActivation() {
    const bool pending = activationPending_;
    activationPending_ = false;
    return pending;
}

void ModalDialog::centreOver(QWidget* owner) {
    adjustSize();
    if (owner != nullptr && owner->isVisible() && !owner->isMinimized()) {
        centreOn(*this, owner->frameGeometry());
    } else {
        centreOn(*this, screenArea(*this));
    }
}

void ModalDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    platform_.run([this] { form().modalResult = mrCancel; });
}

void ModalDialog::keyPressEvent(QKeyEvent* event) {
    if (takeWindowKey(platform_, *view_, *event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ModalDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) {
        deactivated_ = true;
    } else if (event->type() == QEvent::WindowActivate && deactivated_) {
        deactivated_ = false;
        if (form().onActivate) {
            activationPending_ = true;
            QTimer::singleShot(0, this, [this] { platform_.runPendingActivations(); });
        }
    }
    return QDialog::event(event);
}

} // namespace norvik::qt
