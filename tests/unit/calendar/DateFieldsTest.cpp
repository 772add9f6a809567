// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/DateFields.h"

#include "FailureOf.h"
#include "kit/Failure.h"

#include <gtest/gtest.h>

#include <string>

namespace norvik {
namespace {

struct Corrected {
    DateFieldsCheck check;
    DateFields fields;
};

Corrected corrected(const char* day, const char* month, const char* year) {
    DateFields fields{day, month, year};
    const auto check = correctDateFields(fields);
    return {check, fields};
}

void expectFields(const Corrected& result, const char* day, const char* month, const char* year) {
    EXPECT_EQ(result.check, DateFieldsCheck::ready);
    EXPECT_EQ(result.fields.day, day);
    EXPECT_EQ(result.fields.month, month);
    EXPECT_EQ(result.fields.year, year);
}

TEST(DateFieldsTest, MissingFieldsAreReportedInFieldOrder) {
    EXPECT_EQ(corrected("", "", "").check, DateFieldsCheck::dayMissing);
    EXPECT_EQ(corrected("5", "", "").check, DateFieldsCheck::monthMissing);
    EXPECT_EQ(corrected("5", "3", "").check, DateFieldsCheck::yearMissing);
    EXPECT_EQ(corrected("5", "3", "202").check, DateFieldsCheck::yearNotFourDigits);
    // A problem leaves the fields as they were, one-digit day included.
    const auto result = corrected("5", "3", "202");
    EXPECT_EQ(result.fields.day, "5");
}

TEST(DateFieldsTest, OneDigitDayAndMonthGetALeadingZero) {
    expectFields(corrected("5", "3", "2026"), "05", "03", "2026");
    expectFields(corrected("15", "11", "2026"), "15", "11", "2026");
}

TEST(DateFieldsTest, DaysBeyondTheMonthBecomeItsLastDay) {
    expectFields(corrected("31", "4", "2026"), "30", "04", "2026");
    expectFields(corrected("99", "9", "2026"), "30", "09", "2026");
    expectFields(corrected("99", "8", "2026"), "31", "08", "2026");
    // The month is read before its own correction, then the day follows it.
    expectFields(corrected("45", "13", "2023"), "31", "12", "2023");
    expectFields(corrected("45", "2", "2023"), "28", "02", "2023");
}

TEST(DateFieldsTest, FebruaryFollowsTheGregorianLeapYears) {
    expectFields(corrected("30", "2", "2024"), "29", "02", "2024");
    expectFields(corrected("30", "2", "2023"), "28", "02", "2023");
    expectFields(corrected("29", "2", "1900"), "28", "02", "1900");
    expectFields(corrected("30", "2", "2000"), "29", "02", "2000");
    expectFields(corrected("29", "2", "2024"), "29", "02", "2024");
}

TEST(DateFieldsTest, ZeroDayAndMonthBecomeOneAndLargeMonthsTwelve) {
    expectFields(corrected("00", "05", "2026"), "01", "05", "2026");
    expectFields(corrected("0", "0", "2026"), "01", "01", "2026");
    expectFields(corrected("10", "19", "2026"), "10", "12", "2026");
}

std::string failureOf(DateFields& fields) {
    return test::failureOf([&] { correctDateFields(fields); });
}

TEST(DateFieldsTest, TextPastTheFilterFailsWhereItsNumberIsFirstRead) {
    // The leading zeros come first, so a one-character field fails as padded.
    DateFields padded{"a", "3", "2026"};
    EXPECT_EQ(failureOf(padded), "'0a' is not a valid integer value");
    EXPECT_EQ(padded.month, "03");

    // The month is read after the day's own corrections.
    DateFields month{"00", "a3", "2026"};
    EXPECT_EQ(failureOf(month), "'a3' is not a valid integer value");
    EXPECT_EQ(month.day, "01");

    // A day of 32 or more reads the month before anything is corrected.
    DateFields early{"45", "x", "2026"};
    EXPECT_EQ(failureOf(early), "'0x' is not a valid integer value");
    EXPECT_EQ(early.day, "45");

    // The year is read last, once the day and month are in range.
    DateFields year{"45", "13", "20 6"};
    EXPECT_EQ(failureOf(year), "'20 6' is not a valid integer value");
    EXPECT_EQ(year.day, "31");
    EXPECT_EQ(year.month, "12");

    DateFields signedDay{"-1", "1", "2026"};
    EXPECT_EQ(failureOf(signedDay), "'-1' is not a valid integer value");
}

TEST(DateFieldsTest, LongDigitRunsStillCorrect) {
    expectFields(corrected("99999999999", "9", "2026"), "30", "09", "2026");
}

TEST(DateFieldsTest, TheDateOfTheFields) {
    EXPECT_EQ(dateFromFields({"05", "03", "2026"}), (DateTime{2026, 3, 5}));
    EXPECT_EQ(dateFromFields({"29", "02", "2024"}), (DateTime{2024, 2, 29}));
    try {
        dateFromFields({"01", "01", "0000"});
        FAIL() << "year 0000 was accepted";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "'01.01.0000' is not a valid date and time");
    }
}

TEST(DateFieldsTest, TheFilterKeepsDigitsAndBackspaceOnly) {
    for (char key = '0'; key <= '9'; ++key) {
        EXPECT_TRUE(isDateFieldKey(key));
    }
    EXPECT_TRUE(isDateFieldKey('\b'));
    for (const char key : {'a', ' ', ':', '-', '\x16', '\x03', '\r', '\xE0'}) {
        EXPECT_FALSE(isDateFieldKey(key)) << static_cast<int>(key);
    }
}

} // namespace
} // namespace norvik
