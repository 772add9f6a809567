// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Color.h"

#include <functional>

namespace norvik {

// The main window's two colours as the settings dialog sees them: what the
// user sees now, and how to recolour the window at once.
struct MainWindowColors {
    std::function<Color()> background;
    std::function<Color()> captions; // the labels and the panel titles
    std::function<void(Color)> setBackground;
    std::function<void(Color)> setCaptions;
};

} // namespace norvik
