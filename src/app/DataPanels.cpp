// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "kit/Dispatch.h"
#include "kit/Platform.h"
#include "store/DataFiles.h"
#include "store/FileStore.h"

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
    if (name == eventsFile) {
        for (Control* command : {static_cast<Control*>(&Button3), static_cast<Control*>(&Button10),
                                 static_cast<Control*>(&Button4), static_cast<Control*>(&N11),
                                 static_cast<Control*>(&N12), static_cast<Control*>(&N13)}) {
            command->enabled = writable;
        }
        return;
    }
    if (name == phonesFile) {
        for (Control* command : {static_cast<Control*>(&Button5), static_cast<Control*>(&Button6),
                                 static_cast<Control*>(&Button11), static_cast<Control*>(&N15),
                                 static_cast<Control*>(&N16), static_cast<Control*>(&N17)}) {
            command->enabled = writable;
        }
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
