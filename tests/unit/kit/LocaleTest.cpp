// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Locale.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace norvik {
namespace {

// The environment as a map: a name that is not in it is unset.
std::string localeOf(const std::map<std::string, std::string>& environment) {
    return messagesLocale([&environment](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    });
}

TEST(LocaleTest, TheFirstOfLcAllLcMessagesAndLangThatIsSetAndNotEmptyCounts) {
    EXPECT_EQ(localeOf({{"LC_ALL", "ru_RU.UTF-8"}, {"LC_MESSAGES", "de_DE"}, {"LANG", "en_GB"}}),
              "ru_RU.UTF-8");
    EXPECT_EQ(localeOf({{"LC_ALL", ""}, {"LC_MESSAGES", "de_DE"}, {"LANG", "ru_RU"}}), "de_DE");
    EXPECT_EQ(localeOf({{"LC_MESSAGES", ""}, {"LANG", "en_GB.UTF-8"}}), "en_GB.UTF-8");
    // The other categories say nothing about the language of messages.
    EXPECT_EQ(localeOf({{"LC_TIME", "en_GB"}, {"LC_CTYPE", "en_GB"}}), "");
    EXPECT_EQ(localeOf({{"LC_ALL", ""}, {"LANG", ""}}), "");
}

} // namespace
} // namespace norvik
