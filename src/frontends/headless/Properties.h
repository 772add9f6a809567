// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace norvik {
class Control;
class Form;
} // namespace norvik

namespace norvik::headless {

// The VALUE part of `value NAME.PROP VALUE` (empty for an empty list). A
// property the control's kind or a window lacks is a ProtocolError.
std::string controlProperty(const Control& control, std::string_view property);
std::string windowProperty(const Form& form, std::string_view property);

// The kind's name in messages ("a list box").
std::string_view kindName(const Control& control);

} // namespace norvik::headless
