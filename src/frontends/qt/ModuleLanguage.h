// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace norvik::qt {

// Qt's own texts (box buttons, the calendar drop-down, context menus) in the
// language of the loaded module, whatever the desktop's locale: 0 Russian,
// 1 English. Russian loads Qt's translation; English needs none.
void speakModuleLanguage(int module);

} // namespace norvik::qt
