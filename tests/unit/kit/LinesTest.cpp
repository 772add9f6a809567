// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Lines.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace norvik {
namespace {

// The list against a plain vector of strings through many edits: replaced
// lines leave dead bytes behind until the buffer is packed, and a line may be
// added or written from the list's own buffer. With a ceiling just above the
// 10,637 bytes the lines come to at most, the buffer is also packed where it
// would pass the ceiling, the places moving with it.
TEST(LinesTest, EditsKeepTheSameLinesAsAVectorOfStrings) {
    for (const std::size_t ceiling : {Lines::largestBuffer, std::size_t{11000}}) {
        Lines lines(ByteBuffer("first\r\nsecond\r\n"), {{0, 5}, {7, 6}});
        lines.limitBuffer(ceiling);
        std::vector<std::string> expected = {"first", "second"};
        for (int i = 0; i < 2000; ++i) {
            const std::string line(static_cast<std::size_t>(i % 50),
                                   static_cast<char>('a' + i % 26));
            switch (i % 5) {
            case 0:
            case 1:
                lines.push_back(line);
                expected.push_back(line);
                break;
            case 2:
                lines.replace(static_cast<std::size_t>(i) % lines.size(), line);
                expected[static_cast<std::size_t>(i) % expected.size()] = line;
                break;
            case 3:
                lines.push_back(lines[0]); // from its own buffer, which may move
                expected.push_back(expected[0]);
                break;
            default:
                lines.eraseSorted({0, static_cast<int>(lines.size()) - 1});
                expected.erase(expected.end() - 1);
                expected.erase(expected.begin());
            }
        }
        ASSERT_EQ(lines.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(lines[i], expected[i]) << "line " << i << " below " << ceiling;
        }
        EXPECT_THROW((void)lines.at(lines.size()), std::out_of_range);
        lines.clear();
        EXPECT_EQ(lines, Lines{});
    }
}

// Lines that do not fit below the ceiling even packed are refused, and the
// list keeps what it had.
TEST(LinesTest, ALineBeyondTheCeilingIsRefused) {
    Lines lines{"one", "two"};
    lines.limitBuffer(64);
    lines.replace(0, std::string(40, 'x'));
    EXPECT_THROW(lines.push_back(std::string(20, 'y')), std::length_error);
    EXPECT_THROW(lines.replace(1, std::string(30, 'z')), std::length_error);
    EXPECT_EQ(lines, (Lines{std::string(40, 'x'), "two"}));
}

} // namespace
} // namespace norvik
