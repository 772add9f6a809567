// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frontends/headless/DenyingFileSystem.h"
#include "frontends/headless/HeadlessPlatform.h"
#include "frontends/headless/InputLine.h"
#include "frontends/headless/Names.h"
#include "frontends/headless/Output.h"
#include "frontends/headless/SimulatedTime.h"
#include "frontends/headless/TextEditing.h"
#include "frontends/headless/WindowStack.h"

#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace norvik::headless {

// What `start` runs: makes the program over this platform and these files,
// runs its start-up and returns its main window. The caller keeps the
// program alive for as long as the session runs.
using ProgramStarter = std::function<Form&(Platform& platform, FileSystem& files)>;

// The line protocol over a pair of streams: reads user actions, drives the
// program through the headless platform and writes what it shows.
class Session : private ModalInput {
public:
    Session(std::istream& input, std::ostream& output, FileSystem& disk, ProgramStarter starter,
            const DateTime& startTime = realLocalTime());

    // Runs until the input ends, the program ends or a line is not accepted;
    // returns the exit status (0, or 2 after `error`).
    int run();

    HeadlessPlatform& platform() { return platform_; }
    DenyingFileSystem& files() { return files_; }
    SimulatedTime& time() { return time_; }

private:
    // What the innermost input loop accepts.
    enum class Mode { BeforeStart, Normal, Question };
    enum class Stop { None, EndOfInput, ProgramEnded, Error };
    struct Loop {
        Mode mode;
        Form* dialog; // the dialog a modal loop runs for
    };

    int answerQuestion() override;
    void runDialog(Form& form) override;
    [[noreturn]] void programEnded() override;

    [[noreturn]] void stop(Stop why);
    [[noreturn]] void fail(const std::string& message);
    // Reads and acts on the next line that is not blank or a comment; a
    // `yes` or `no` in a question returns its answer.
    std::optional<int> step(Mode mode);
    std::optional<int> execute(const std::vector<Token>& words, Mode mode);
    // After each handler: a dialog that became topmost again runs its
    // activate handler once.
    void afterHandler();
    void tick(Timer& timer);

    // `lockheld`: the folder's lock is taken as another running copy holds it.
    void holdLockAsAnotherCopy();
    // Commands of any time after start; each checks its own words.
    void startProgram();
    void showProperty(const std::vector<Token>& words);
    void showFile(const std::vector<Token>& words);
    // `put NAME "BYTES"` and `remove NAME`: another program changing a file.
    void prepareFile(const std::vector<Token>& words);
    void click(const std::vector<Token>& words);
    void textAction(const std::vector<Token>& words);
    void keyAction(const std::vector<Token>& words);
    void setAction(const std::vector<Token>& words);
    void caretAction(const std::vector<Token>& words);
    void listAction(const std::vector<Token>& words);
    void upDownAction(const std::vector<Token>& words);
    void trayAction(const std::vector<Token>& words);
    void windowAction(const std::string& command);

    // The control the action names, or nothing when the action is ignored
    // (the `ignored` line is then printed).
    Control* actionTarget(const Token& name, bool changesText);
    Form& mainWindow();

    std::istream& input_;
    Output output_;
    DenyingFileSystem files_;
    ProgramStarter starter_;
    SimulatedTime time_;
    WindowStack windows_;
    HeadlessPlatform platform_;
    Text clipboard_;
    TextEditing editing_;
    std::vector<Loop> loops_;
    // The lock `lockheld` took; declared after the files it was taken through.
    std::unique_ptr<FileLock> otherCopyLock_;
    bool started_ = false;
    bool over_ = false;
    Stop stop_ = Stop::None;
};

} // namespace norvik::headless
