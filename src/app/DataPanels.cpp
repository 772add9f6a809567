// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "kit/Dispatch.h"
#include "kit/Platform.h"
#include "store/DataFiles.h"
#include "store/FileStore.h"

#include <initializer_list>
#include <string_view>

namespace norvik {

void TForm1::setPanelWritable(const char* file, bool writable) {
    const std::string_view name = file;
    if (name == notesFile) {
        Memo1.readOnly = !writable;
        N8.enabled = writable;
        N9.enabled = writable;
        // Save and Clear follow the notes' own state once they are loaded.
        if (!writable) {
            Button2.enabled = false;
            Button1.enabled = false;
        }
        return;
    }
    // A list's commands that change it: add, edit and delete, as buttons
    // and as menu items.
    const auto enable = [writable](std::initializer_list<Control*> commands) {
        for (Control* command : commands) {
            command->enabled = writable;
        }
    };
    if (name == eventsFile) {
        enable({&Button3, &Button10, &Button4, &N11, &N12, &N13});
    } else if (name == phonesFile) {
        enable({&Button5, &Button6, &Button11, &N15, &N16, &N17});
    }
}

void TForm1::loadPanel(const char* file, const std::function<void()>& load) {
    try {
        load();
    } catch (const RefusedFile& refusal) {
        // The program's own refusal (a file too large, another user's link)
        // holds back only this file: it is reported, its panel stays
        // read-only for the run, and start-up goes on with the others.
        platform().messageBox(failureReportText(refusal.what()), applicationTitle, mbError);
        return;
    }
    setPanelWritable(file, true);
}

} // namespace norvik
