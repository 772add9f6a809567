// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "kit/Dispatch.h"
#include "kit/Failure.h"
#include "kit/Platform.h"
#include "store/DataFiles.h"
#include "store/FileStore.h"

#include <functional>

namespace norvik {

namespace {

// The close-time questions in the program's own words, for a window whose
// module is missing or too short to ask them.
constexpr BuiltInText remindersOnText{
    "Оповещение включено: после выхода напоминания показываться не будут. Выйти из программы?",
    "Reminders are on: once the program is closed, no reminders will be shown. Exit the "
    "program?"};
constexpr BuiltInText remindersOnTitle{"Предупреждение", "Warning"};
constexpr BuiltInText saveNotesText{"Заметки были изменены. Сохранить изменения?",
                                    "The notes have been changed. Save the changes?"};
constexpr BuiltInText saveNotesTitle{"Сохранение заметок", "Saving notes"};

} // namespace

int TForm1::askAtClose(Line text, Line title, int flags, const BuiltInText& ownText,
                       const BuiltInText& ownTitle) {
    const int lines = LangBox.count();
    if (static_cast<int>(text) < lines && static_cast<int>(title) < lines) {
        return ask(text, title, flags);
    }
    return platform().messageBox(builtInText(ownText, loadedModule_),
                                 builtInText(ownTitle, loadedModule_), flags);
}

bool TForm1::notesModified() const {
    // The label's caption is the modified state wherever the module can say it.
    if (static_cast<int>(Line::NotesModifiedLabel) < LangBox.count()) {
        return Label1.caption == LangLine(Line::NotesModifiedLabel);
    }
    return notesEdited_;
}

bool TForm1::closeTimeSave() {
    if (!notesModified()) {
        return true;
    }
    const int answer = askAtClose(Line::SaveNotesQuestion, Line::SaveNotesQuestionTitle, mbQuestion,
                                  saveNotesText, saveNotesTitle);
    if (answer == idCancel) {
        // The box was dismissed: the diary stays open as it is.
        return false;
    }
    if (answer != idYes) {
        return true;
    }
    try {
        appendNotesDelimiter();
        files().saveNotes(notesFile, Memo1.view());
    } catch (const Failure& failure) {
        return quitAfterFailedSave("Заметки", "The notes", notesFile, failure);
    }
    return true;
}

void TForm1::FormClose() {
    // Only the user's answers keep the window open. Any other failure of a
    // step is reported and closing goes on, so that a start-up or a handler
    // that failed never leaves a window that cannot be closed.
    bool keepOpen = false;
    const auto step = [this, &keepOpen](const std::function<bool()>& goOn) {
        if (!keepOpen) {
            dispatch(platform(), [&] { keepOpen = !goOn(); });
        }
    };
    step([this] {
        return !CheckBox1.checked() ||
               askAtClose(Line::ExitWithReminders, Line::ExitWithRemindersTitle, mbWarningYesNo,
                          remindersOnText, remindersOnTitle) == idYes;
    });
    step([this] { return closeTimeSave(); });
    step([this] { return saveUnsavedLists(); });
    if (!keepOpen) {
        endProgram();
    }
}

void TForm1::ExitClick() {
    FormClose();
}

} // namespace norvik
