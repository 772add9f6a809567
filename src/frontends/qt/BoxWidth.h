// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMessageBox;

namespace norvik::qt {

// Widens a message box whose title is longer than its text and buttons: the
// window manager draws the title in the frame and would cut it short.
void fitBoxToTitle(QMessageBox& box);

} // namespace norvik::qt
