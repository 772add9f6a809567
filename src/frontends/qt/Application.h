// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace norvik::qt {

// The application-wide look: name and title, the program's icon, one widget
// style on every desktop, the font substitutions and hints that show at once.
void prepareApplication(QApplication& application);

} // namespace norvik::qt
