// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/PixelFont.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

// The boxes are designed in pixel heights; whatever point size the font is
// kept in, the front ends must draw it at the designed height.
TEST(PixelFont, EveryDesignedHeightComesBackFromItsPointSize) {
    for (int pixels : {13, 15, 16, 19, 20, 27}) {
        EXPECT_EQ(pixelFont("Impact", pixels).pixelSize(), pixels) << pixels << " pixels";
    }
}

} // namespace
} // namespace norvik
