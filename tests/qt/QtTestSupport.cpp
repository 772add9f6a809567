// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtTestSupport.h"

#include "frontends/qt/Application.h"
#include "frontends/qt/QtText.h"
#include "store/Codec1251.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

namespace norvik::qt::test {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "norvik_qt_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        // No display is needed: the windows are drawn offscreen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        auto* created = new QApplication(argc, argv);
        prepareApplication(*created);
        return created;
    }();
    (void)application;
}

QtProgramTest::QtProgramTest() {
    ensureApplication();
    previous_ = std::filesystem::current_path();
    std::filesystem::create_directories(directory_ / "Language Modules");
    for (const char* module : {"Russian.lng", "English.lng"}) {
        std::filesystem::copy_file(std::filesystem::path(NORVIK_MODULE_DIR) / module,
                                   directory_ / ("Language Modules/" + std::string(module)));
    }
    std::filesystem::current_path(directory_.path());
    writeFile("System.ini", "MainFormColor=clNavy\nMainFormTextColor=clWhite\nNotebookSize=16\n"
                            "NotebookType=Monotype Corsiva\nDelimeter=1\nLangID=1\n");
}

QtProgramTest::~QtProgramTest() {
    platform.closeAll();
    program_.reset();
    std::filesystem::current_path(previous_);
}

void QtProgramTest::writeFile(const std::string& name, const std::string& utf8) {
    std::string text;
    for (const char c : utf8) {
        text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    directory_.write(name, cp1251::literal(text));
}

void QtProgramTest::start() {
    program_ = std::make_unique<Program>(platform, files_);
    program_->start();
    ASSERT_FALSE(terminated);
    ASSERT_NE(platform.mainWindow(), nullptr);
}

QString QtProgramTest::line(int n) const {
    return toQt(program_->mainWindow().LangLine(static_cast<Line>(n)));
}

void onNextBox(std::function<void(QMessageBox&)> action) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action = std::move(action)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        action(*box);
    });
    poll->start();
}

std::shared_ptr<BoxAnswer> answerNextBox(QMessageBox::StandardButton button) {
    auto answer = std::make_shared<BoxAnswer>();
    onNextBox([answer, button](QMessageBox& box) {
        answer->text = box.text();
        answer->title = box.windowTitle();
        answer->icon = box.icon();
        for (QAbstractButton* shown : box.buttons()) {
            if (shown->isVisibleTo(&box)) {
                answer->buttons << shown->text().remove(QLatin1Char('&'));
            }
        }
        if (box.defaultButton() != nullptr) {
            answer->defaultButton = box.defaultButton()->text().remove(QLatin1Char('&'));
        }
        answer->seen = true;
        box.button(button)->click();
    });
    return answer;
}

void later(std::function<void()> action, int milliseconds) {
    QTimer::singleShot(milliseconds, qApp, std::move(action));
}

bool waitFor(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

} // namespace norvik::qt::test
