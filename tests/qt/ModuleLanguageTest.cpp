// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts speak the module's language whatever LANG says: the suite
// runs these once under C.UTF-8 and once more under a Russian LANG (see
// CMakeLists.txt), so a translation picked by the desktop's locale fails one run.
#include "QtTestSupport.h"

#include <QDateEdit>

namespace norvik::qt::test {
namespace {

class ModuleLanguageTest : public QtProgramTest {
protected:
    // Starts with the module LangID names and answers one Yes/No box.
    std::shared_ptr<BoxAnswer> startAndAsk(const char* langId) {
        writeFile("System.ini", std::string("MainFormColor=clNavy\nMainFormTextColor=clWhite\n"
                                            "NotebookSize=16\nNotebookType=Arial\nDelimeter=1\n"
                                            "LangID=") +
                                    langId + "\n");
        start();
        auto answer = answerNextBox(QMessageBox::No);
        EXPECT_EQ(platform.messageBox("?", "Norvik", mbQuestion), idNo);
        EXPECT_TRUE(answer->seen);
        return answer;
    }
    QLocale::Language calendarLanguage() {
        auto* picker = qobject_cast<QDateEdit*>(widget("DateTimePicker1"));
        return picker == nullptr ? QLocale::AnyLanguage : picker->locale().language();
    }
};

TEST_F(ModuleLanguageTest, RussianModuleGivesRussianButtonsAndCalendar) {
    const auto answer = startAndAsk("0");
    EXPECT_TRUE(answer->buttons.contains(QStringLiteral("Да")))
        << answer->buttons.join(u',').toStdString();
    EXPECT_TRUE(answer->buttons.contains(QStringLiteral("Нет")));
    EXPECT_EQ(calendarLanguage(), QLocale::Russian);
}

TEST_F(ModuleLanguageTest, EnglishModuleGivesEnglishButtonsAndCalendar) {
    const auto answer = startAndAsk("1");
    EXPECT_TRUE(answer->buttons.contains(QStringLiteral("Yes")))
        << answer->buttons.join(u',').toStdString();
    EXPECT_TRUE(answer->buttons.contains(QStringLiteral("No")));
    EXPECT_EQ(calendarLanguage(), QLocale::English);
}

} // namespace
} // namespace norvik::qt::test
