// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryFileSystem.h"
#include "ScriptedPlatform.h"
#include "app/TForm1.h"
#include "desktop/TAboutBox.h"
#include "desktop/TAboutBox2.h"
#include "events/TForm3.h"
#include "events/TMyMessageBoxF.h"
#include "language/DialogContext.h"
#include "language/Language.h"
#include "settings/MainWindowColors.h"
#include "settings/TConfiguration.h"
#include "store/FileStore.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace norvik {
namespace {

// A rule whose window or control is misspelt would never apply: every name
// the table holds must be a control of a real window.
TEST(FitRuleControls, EveryRuleNamesControlsOfItsWindow) {
    test::ScriptedPlatform platform;
    test::MemoryFileSystem disk;
    FileStore store{disk};
    TForm1 main{platform, store};
    const DialogContext context = main.dialogContext();
    TForm3 addEvent{context, main.DateTimePicker1};
    TConfiguration settings{context, store, main.mainWindowColors()};
    TMyMessageBoxF reminder{context};
    TAboutBox about{context};
    TAboutBox2 testers{context};
    std::map<std::string, Form*, std::less<>> windows;
    for (Form* form :
         std::initializer_list<Form*>{&main, &addEvent, &settings, &reminder, &about, &testers}) {
        windows[form->className()] = form;
    }

    const auto rules = fitRuleNames();
    ASSERT_FALSE(rules.empty());
    for (const auto& rule : rules) {
        const auto window = windows.find(rule.window);
        ASSERT_NE(window, windows.end()) << rule.window;
        EXPECT_NE(window->second->find(rule.control), nullptr)
            << rule.window << "." << rule.control;
        EXPECT_NE(window->second->find(rule.target), nullptr) << rule.window << "." << rule.target;
    }
}

} // namespace
} // namespace norvik
