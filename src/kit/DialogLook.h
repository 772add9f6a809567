// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Form.h"

namespace norvik {

// The small dialogs (events, phone book, search) share one look: a purple
// window with white texts on it.
inline void paintDialog(Form& form) {
    form.color = clPurple;
    form.font.color = clWhite;
}

// A label, frame or choice that sits on the purple background.
inline void paintOnDialog(Control& control) {
    control.color = clPurple;
    control.font.color = clWhite;
}

} // namespace norvik
