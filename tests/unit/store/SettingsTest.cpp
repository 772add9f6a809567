// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Settings.h"
#include "store/Codec1251.h"
#include "store/LineList.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

// The lookup is checked with key texts of every kind, not only the program's own.
using byKeyText::lookupKey;
using byKeyText::updateKey;

const std::string english = "One of the events specified in the list has come! In the list the "
                            "event set on this time has been allocated.";

std::string russian() {
    return cp1251::literal("Одно из указанных в списке событий наступило! В списке "
                           "заданное на это время событие было выделено.");
}

TEST(SettingsTest, LookupIgnoresTheCaseOfKeysAndTakesTheFirstLine) {
    const Lines lines = {"[config]",
                         "mainformcolor=clRed",
                         "LangID=1",
                         "LangID=0",
                         "NotebookType=Courier New = mono ",
                         " EventOnly=1",
                         "RegisterCheck"};
    EXPECT_EQ(lookupKey(lines, "MainFormColor"), "clRed");
    EXPECT_EQ(lookupKey(lines, "LANGID"), "1");
    EXPECT_EQ(lookupKey(lines, "NotebookType"), "Courier New = mono ");
    EXPECT_EQ(lookupKey(lines, "EventOnly"), ""); // a blank before the key is part of it
    EXPECT_EQ(lookupKey(lines, "RegisterCheck"), "");
    EXPECT_EQ(lookupKey(lines, "Missing"), "");
    EXPECT_EQ(lookupKey(lines, "LangI"), "");
}

TEST(SettingsTest, UpdateChangesTheFirstLineInPlaceOrAppends) {
    Lines lines = {"[config]", "", "langid=1", "", "LangID=0"};
    updateKey(lines, "LangID", "0");
    EXPECT_EQ(lines, (Lines{"[config]", "", "LangID=0", "", "LangID=0"}));
    updateKey(lines, "Delimeter", "2");
    EXPECT_EQ(lines.back(), "Delimeter=2");
    EXPECT_EQ(lines.size(), 6u);
}

TEST(SettingsTest, AnEmptyValueDeletesTheFirstLineHoldingTheKey) {
    Lines lines = {"NotebookType=Arial", "x", "notebooktype=Impact"};
    updateKey(lines, "NotebookType", "");
    EXPECT_EQ(lines, (Lines{"x", "notebooktype=Impact"}));
    updateKey(lines, "Missing", "");
    EXPECT_EQ(lines, (Lines{"x", "notebooktype=Impact"}));
}

TEST(SettingsTest, TheFirstStartWritesThirteenEntriesSeparatedByCrCrLf) {
    const std::string bytes = defaultSettingsBytes();
    EXPECT_TRUE(bytes.starts_with("[config]\r\r\nMainFormColor=clNavy\r\r\n"));
    EXPECT_TRUE(bytes.ends_with("EventOnly=0\r\r\nLangID=0"));

    const Lines lines = splitLines(bytes);
    ASSERT_EQ(lines.size(), 25u);
    for (std::size_t i = 1; i < lines.size(); i += 2) {
        EXPECT_EQ(lines[i], "") << i;
    }
    EXPECT_EQ(lines[10], "WarningMessageText=" + russian());
    const std::pair<const char*, std::string> values[] = {
        {"MainFormColor", "clNavy"},
        {"MainFormTextColor", "clWhite"},
        {"NotebookSize", "10"},
        {"NotebookType", "Courier New"},
        {"WarningMessageText", russian()},
        {"WarningMessageStopMin", "0"},
        {"LastEvent", "1"},
        {"Delimeter", "1"},
        {"SubStringPosition", "0"},
        {"RegisterCheck", "1"},
        {"EventOnly", "0"},
        {"LangID", "0"},
    };
    for (const auto& [key, value] : values) {
        EXPECT_EQ(lookupKey(lines, key), value) << key;
    }
}

TEST(SettingsTest, AFirstStartInEnglishDiffersOnlyInTheLanguageAndItsWarningText) {
    const Lines russianFile = splitLines(defaultSettingsBytes(0));
    const Lines englishFile = splitLines(defaultSettingsBytes(1));
    ASSERT_EQ(englishFile.size(), 25u);
    for (std::size_t i = 0; i < englishFile.size(); ++i) {
        if (i == 10) {
            EXPECT_EQ(englishFile[i], "WarningMessageText=" + english);
        } else if (i == 24) {
            EXPECT_EQ(englishFile[i], "LangID=1");
        } else {
            EXPECT_EQ(englishFile[i], russianFile[i]) << i;
        }
    }
}

TEST(SettingsTest, TheLocaleChoosesEnglishForEveryLanguageButRussian) {
    const std::pair<const char*, int> cases[] = {
        {"en_GB.UTF-8", 1}, {"en_US", 1},       {"de_DE.UTF-8", 1}, {"uk_UA.UTF-8", 1}, {"fr", 1},
        {"sr_RS@latin", 1}, {"ru_RU.UTF-8", 0}, {"ru_UA", 0},       {"ru", 0},          {"ru@x", 0},
        {"C", 0},           {"C.UTF-8", 0},     {"C.utf8", 0},      {"POSIX", 0},       {"", 0},
        {"cy_GB.UTF-8", 1},
    };
    for (const auto& [locale, language] : cases) {
        EXPECT_EQ(localeLanguage(locale), language) << locale;
    }
}

TEST(SettingsTest, DefaultWarningTextsOfBothLanguages) {
    EXPECT_EQ(defaultWarningText(0), russian());
    EXPECT_EQ(defaultWarningText(0).substr(0, 4), "\xCE\xE4\xED\xEE"); // "Одно" in 1251
    EXPECT_EQ(defaultWarningText(1), english);
}

TEST(SettingsTest, LanguageResetKeepsTheLayoutOfTheDefaultFile) {
    Lines lines = splitLines(defaultSettingsBytes());
    resetWarningText(lines, 1);
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines[10], "WarningMessageText=" + english);
    resetWarningText(lines, 0);
    EXPECT_EQ(lines[10], "WarningMessageText=" + russian());
    EXPECT_EQ(lines, splitLines(defaultSettingsBytes()));
}

TEST(SettingsTest, LanguageResetOnACompactFileLeavesTheOtherEntries) {
    Lines lines = {"[config]",
                   "MainFormColor=clNavy",
                   "MainFormTextColor=clWhite",
                   "NotebookSize=10",
                   "NotebookType=Courier New",
                   "WarningMessageText=" + russian(),
                   "WarningMessageStopMin=0",
                   "LastEvent=1",
                   "Delimeter=1",
                   "SubStringPosition=0",
                   "RegisterCheck=1",
                   "EventOnly=0",
                   "LangID=1"};
    const Lines before = lines;
    resetWarningText(lines, 1);
    ASSERT_EQ(lines.size(), before.size());
    EXPECT_EQ(lines[5], "WarningMessageText=" + english);
    EXPECT_EQ(lines[10], "RegisterCheck=1");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i != 5) {
            EXPECT_EQ(lines[i], before[i]) << i;
        }
    }
}

TEST(SettingsTest, LanguageResetKeepsATextTheUserChose) {
    Lines lines = {"[config]", "warningmessagetext=Time to go!", "LangID=1"};
    resetWarningText(lines, 1);
    EXPECT_EQ(lines[1], "warningmessagetext=Time to go!");
}

TEST(SettingsTest, LanguageResetFillsAnEmptyOrMissingEntryWithoutFailing) {
    Lines empty = {"LangID=0", "WarningMessageText="};
    resetWarningText(empty, 0);
    EXPECT_EQ(empty, (Lines{"LangID=0", "WarningMessageText=" + russian()}));

    Lines missing = {"LangID=1"};
    resetWarningText(missing, 1);
    EXPECT_EQ(missing, (Lines{"LangID=1", "WarningMessageText=" + english}));

    Lines none;
    resetWarningText(none, 0);
    EXPECT_EQ(none, Lines{"WarningMessageText=" + russian()});
}

} // namespace
} // namespace norvik
