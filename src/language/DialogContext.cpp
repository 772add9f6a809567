// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/DialogContext.h"

#include "kit/ListBox.h"
#include "kit/Platform.h"
#include "language/Language.h"

namespace norvik {

Text DialogContext::line(Line line) const {
    return langLine(language_->items(), line);
}

int DialogContext::ask(Line text, Line title, int flags) const {
    const Text textLine = line(text);
    const Text titleLine = line(title);
    return platform_->messageBox(textLine, titleLine, flags);
}

} // namespace norvik
