// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frontends/qt/FormView.h"

#include <QDialog>
#include <QMainWindow>
#include <memory>

namespace norvik::qt {

class QtPlatform;

// The main window: the form's client area at its fixed size with the menu bar
// above it; a minimise box, no maximise box. Its close box asks the program,
// whose close sequence decides. Enter and Escape press the form's default and
// cancel buttons where it names them.
class MainWindow : public QMainWindow {
public:
    MainWindow(QtPlatform& platform, Form& form);
    ~MainWindow() override;

    FormView& view() { return *view_; }
    Form& form() { return view_->form(); }
    void centre();
    bool centred() const { return centred_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Un-minimising from the task bar is the application's restore command.
    void changeEvent(QEvent* event) override;

private:
    QtPlatform& platform_;
    std::unique_ptr<FormView> view_;
    void centreFrameWhenKnown(int triesLeft);

    bool centred_ = false;
};

// A form shown modally. Enter presses the form's default button and Escape
// its cancel button (the reminder dialog has neither, so that a stray key
// never answers it); the close box gives the modal result 2. The form's
// activate handler runs when the dialog becomes active again, once the
// handler that covered it has returned.
class ModalDialog : public QDialog {
public:
    ModalDialog(QtPlatform& platform, Form& form, int baseDepth);
    ~ModalDialog() override;

    FormView& view() { return *view_; }
    Form& form() { return view_->form(); }
    int baseDepth() const { return baseDepth_; }
    // Ends the dialog's loop with the form's modal result.
    void finish();
    // Takes a pending activation, if any.
    bool takeActivation();
    void centreOver(QWidget* owner);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    QtPlatform& platform_;
    std::unique_ptr<FormView> view_;
    int baseDepth_;
    bool deactivated_ = false;
    bool activationPending_ = false;
};

} // namespace norvik::qt
