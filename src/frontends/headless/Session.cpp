// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/Session.h"

#include "frontends/headless/Properties.h"
#include "frontends/headless/ProtocolError.h"
#include "kit/Controls.h"
#include "kit/Dispatch.h"
#include "kit/Form.h"
#include "kit/ProgramEnded.h"
#include "store/DataFiles.h"

#include <exception>
#include <filesystem>
#include <fstream>

namespace norvik::headless {

namespace {

void expectWordCount(const std::vector<Token>& words, std::size_t count) {
    if (words.size() != count) {
        throw ProtocolError{words.front().spelled + " takes " + std::to_string(count - 1) +
                            " argument(s)"};
    }
}

} // namespace

Session::Session(std::istream& input, std::ostream& output, FileSystem& disk,
                 ProgramStarter starter, const DateTime& startTime)
    : input_(input), output_(output), files_(disk), starter_(std::move(starter)), time_(startTime),
      platform_(output_, time_, windows_, *this), editing_(platform_, clipboard_) {}

int Session::run() {
    try {
        loops_.push_back({Mode::BeforeStart, nullptr});
        while (true) {
            step(started_ ? Mode::Normal : Mode::BeforeStart);
            afterHandler();
        }
    } catch (const ProgramEnded&) {
        // the reason is in stop_
    } catch (const std::exception& failure) {
        // A fault of this front end, not of a handler: report it as a
        // protocol failure rather than crash.
        output_.line("error " + quotedUtf8(std::string("internal: ") + failure.what()));
        stop_ = Stop::Error;
    }
    output_.mute();
    over_ = true;
    return stop_ == Stop::Error ? 2 : 0;
}

void Session::stop(Stop why) {
    stop_ = why;
    throw ProgramEnded{};
}

void Session::fail(const std::string& message) {
    output_.line("error " + quotedUtf8(message));
    stop(Stop::Error);
}

void Session::programEnded() {
    stop(Stop::ProgramEnded);
}

int Session::answerQuestion() {
    if (over_) {
        return idNo; // the program is being torn down: nobody answers
    }
    loops_.push_back({Mode::Question, nullptr});
    while (true) {
        if (const auto answer = step(Mode::Question)) {
            loops_.pop_back();
            return *answer;
        }
    }
}

void Session::runDialog(Form& form) {
    if (over_) {
        form.close(mrCancel);
        return;
    }
    loops_.push_back({Mode::Normal, &form});
    while (form.modalResult == mrNone) {
        step(Mode::Normal);
        afterHandler();
    }
    loops_.pop_back();
}

void Session::afterHandler() {
    // Back in the main loop with no window modal: what waited for that runs.
    if (loops_.size() == 1 && started_) {
        platform_.runIdleTasks();
    }
    if (loops_.empty() || loops_.back().dialog == nullptr) {
        return;
    }
    Form& dialog = *loops_.back().dialog;
    if (windows_.topmost() == &dialog && dialog.modalResult == mrNone &&
        windows_.takeReactivated(dialog) && dialog.onActivate) {
        dispatch(platform_, dialog.onActivate);
    }
}

void Session::tick(Timer& timer) {
    if (timer.onTimer) {
        dispatch(platform_, timer.onTimer);
    }
    afterHandler();
}

std::optional<int> Session::step(Mode mode) {
    std::string line;
    while (true) {
        if (!std::getline(input_, line)) {
            stop(Stop::EndOfInput);
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty() && line.front() != '#') {
            break;
        }
    }
    try {
        return execute(splitLine(line), mode);
    } catch (const ProtocolError& error) {
        fail(error.what);
    }
}

std::optional<int> Session::execute(const std::vector<Token>& words, Mode mode) {
    const std::string& command = words.front().spelled;
    if (words.front().quoted) {
        throw ProtocolError{"a line starts with a command, not a text"};
    }
    const bool question = mode == Mode::Question;
    const bool beforeStart = mode == Mode::BeforeStart;

    // Allowed before start and at any time the topmost window takes input.
    if (!question && (command == "put" || command == "remove")) {
        prepareFile(words);
        return std::nullopt;
    }
    if (!question && (command == "clock" || command == "deny" || command == "allow" ||
                      command == "trayhost" || command == "browser")) {
        if (command == "clock") {
            expectWordCount(words, 3);
            const auto time = parseClock(words[1].spelled, words[2].spelled);
            if (!time) {
                throw ProtocolError{"clock needs DD.MM.YYYY HH:MM:SS[.mmm]"};
            }
            time_.setClock(*time);
        } else if (command == "trayhost" || command == "browser") {
            expectWordCount(words, 2);
            if (words[1].spelled != "on" && words[1].spelled != "off") {
                throw ProtocolError{command + " takes on or off"};
            }
            const bool on = words[1].spelled == "on";
            command == "trayhost" ? platform_.setTrayHost(on) : platform_.setBrowser(on);
        } else {
            expectWordCount(words, 2);
            const Text name = bytesOf(words[1]);
            if (command == "deny") {
                files_.deny(name);
            } else {
                files_.allow(name);
            }
        }
        return std::nullopt;
    }
    // The desktop's locale, for a first start in a new data directory.
    if (beforeStart && command == "locale") {
        expectWordCount(words, 2);
        platform_.setDesktopLocale(words[1].value);
        return std::nullopt;
    }
    if (command == "lockheld") {
        if (!beforeStart) {
            throw ProtocolError{"lockheld may only come before start"};
        }
        expectWordCount(words, 1);
        holdLockAsAnotherCopy();
        return std::nullopt;
    }
    if (command == "start") {
        if (!beforeStart) {
            throw ProtocolError{started_ ? "the program has already started"
                                         : "start is not allowed here"};
        }
        expectWordCount(words, 1);
        startProgram();
        return std::nullopt;
    }
    if (beforeStart) {
        throw ProtocolError{"only clock, deny, allow, trayhost, browser, lockheld, locale, put and "
                            "remove may come before start, not " +
                            command};
    }

    // Allowed while a question waits, and at any other time after start.
    if (command == "wait") {
        expectWordCount(words, 2);
        const std::int64_t millis = parseSeconds(words[1].spelled);
        time_.wait(millis, [this](Timer& timer) { tick(timer); });
        return std::nullopt;
    }
    if (command == "show") {
        showProperty(words);
        return std::nullopt;
    }
    if (command == "file") {
        showFile(words);
        return std::nullopt;
    }
    if (command == "clipboard") {
        expectWordCount(words, 2);
        if (!words[1].quoted) {
            throw ProtocolError{"clipboard takes a TEXT in double quotes"};
        }
        clipboard_ = words[1].value;
        return std::nullopt;
    }
    if (command == "yes" || command == "no" || command == "dismiss") {
        if (!question) {
            throw ProtocolError{"no question waits for " + command};
        }
        expectWordCount(words, 1);
        return command == "yes" ? idYes : command == "no" ? idNo : idCancel;
    }
    if (question) {
        throw ProtocolError{
            "a question waits: only wait, show, file, clipboard, yes, no and dismiss, not " +
            command};
    }

    if (command == "click") {
        click(words);
    } else if (command == "type" || command == "paste" || command == "erase") {
        textAction(words);
    } else if (command == "key") {
        keyAction(words);
    } else if (command == "set") {
        setAction(words);
    } else if (command == "caret") {
        caretAction(words);
    } else if (command == "select" || command == "focus" || command == "pick") {
        listAction(words);
    } else if (command == "up" || command == "down") {
        upDownAction(words);
    } else if (command == "tray") {
        trayAction(words);
    } else if (command == "activate" || command == "restore" || command == "logoff" ||
               command == "close") {
        expectWordCount(words, 1);
        windowAction(command);
    } else {
        throw ProtocolError{"unknown command " + command};
    }
    return std::nullopt;
}

void Session::holdLockAsAnotherCopy() {
    if (otherCopyLock_) {
        return;
    }
    // Taken on a descriptor of its own, the lock stops the program's attempt
    // exactly as a second running copy's would.
    LockAttempt attempt = files_.lock(lockFile);
    if (attempt.outcome != LockAttempt::Outcome::Acquired) {
        throw ProtocolError{std::string("lockheld cannot take ") + lockFile + ": " +
                            (attempt.reason.empty() ? "held elsewhere" : attempt.reason)};
    }
    otherCopyLock_ = std::move(attempt.lock);
}

void Session::startProgram() {
    started_ = true;
    // Start-up runs like a handler: a failure escaping it is reported and
    // whatever window it showed stays.
    dispatch(platform_, [this] { windows_.setMain(starter_(platform_, files_)); });
}

void Session::showProperty(const std::vector<Token>& words) {
    expectWordCount(words, 3);
    const Target target = resolveTarget(windows_, words[1]);
    const std::string& property = words[2].spelled;
    const std::string value = target.control != nullptr ? controlProperty(*target.control, property)
                                                        : windowProperty(*target.form, property);
    std::string line = "value " + target.spelled + "." + property;
    if (!value.empty()) {
        line += " " + value;
    }
    output_.line(line);
}

void Session::prepareFile(const std::vector<Token>& words) {
    const bool put = words.front().spelled == "put";
    expectWordCount(words, put ? 3 : 2);
    const std::string name = bytesOf(words[1]);
    if (name.empty() || name.front() == '/' || name.find("..") != std::string::npos) {
        throw ProtocolError{"a name inside the data directory is needed"};
    }
    if (put && !words[2].quoted) {
        throw ProtocolError{"put takes a NAME and its bytes as a TEXT"};
    }
    namespace fs = std::filesystem;
    std::error_code error;
    if (!put) {
        fs::remove(name, error);
        return;
    }
    // Written beside and renamed into place, as another program would: the
    // file gets a new inode, whatever its size and time.
    const fs::path target(name);
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), error);
    }
    const fs::path temporary = target.parent_path() / ("." + target.filename().string() + ".put");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << bytesOf(words[2]);
        if (!out) {
            throw ProtocolError{"cannot write " + name};
        }
    }
    fs::rename(temporary, target, error);
    if (error) {
        throw ProtocolError{"cannot write " + name};
    }
}

void Session::showFile(const std::vector<Token>& words) {
    expectWordCount(words, 2);
    const Text name = bytesOf(words[1]);
    if (name.empty()) {
        throw ProtocolError{"file needs a name"};
    }
    const auto bytes = files_.read(resolveName(files_, name)).bytes;
    output_.line("file " + words[1].spelled + " " + (bytes ? quoted(*bytes) : "missing"));
}

} // namespace norvik::headless
