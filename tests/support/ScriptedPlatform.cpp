// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedPlatform.h"

namespace norvik::test {

int ScriptedPlatform::messageBox(const Text& text, const Text& title, int flags) {
    switch (record) {
    case BoxRecord::FlagsTitleText:
        boxes.push_back(std::to_string(flags) + " " + title + " " + text);
        break;
    case BoxRecord::FlagsText:
        boxes.push_back(std::to_string(flags) + " " + text);
        break;
    case BoxRecord::Text:
        boxes.push_back(text);
        break;
    }
    if (underBox) {
        ++modalDepth;
        underBox();
        --modalDepth;
    }
    return idOk;
}

int ScriptedPlatform::runModal(Form& form) {
    if (!script) {
        return mrOk;
    }
    ++modalDepth;
    script(form);
    --modalDepth;
    if (form.modalResult == mrNone) {
        form.close(mrCancel);
    }
    return form.modalResult;
}

} // namespace norvik::test
