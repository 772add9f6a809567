// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "kit/Dispatch.h"
#include "kit/Failure.h"
#include "kit/Platform.h"
#include "store/Codec1251.h"
#include "store/FileStore.h"

namespace norvik {

namespace {

// The system's reason in the program's text: it comes in the locale's UTF-8.
Text reasonText(const Failure& failure) {
    const std::string& reason =
        failure.reason().empty() ? std::string(failure.what()) : failure.reason();
    return cp1251::fromSystemText(reason);
}

} // namespace

void TForm1::saveDataList(const char* file, const ListBox& list) {
    try {
        files().saveLines(file, list.items());
    } catch (const Failure&) {
        unsavedLists_[file] = &list;
        throw;
    }
    unsavedLists_.erase(file);
    listSaved(file);
}

bool TForm1::saveUnsavedLists() {
    // Copied: a successful save takes its list off the map.
    const auto unsaved = unsavedLists_;
    for (const auto& [file, list] : unsaved) {
        try {
            saveDataList(file.c_str(), *list);
        } catch (const Failure& failure) {
            if (!quitAfterFailedSave("Список", "The list", file, failure)) {
                return false;
            }
        }
    }
    return true;
}

bool TForm1::quitAfterFailedSave(std::string_view russianWhat, std::string_view englishWhat,
                                 const std::string& file, const Failure& failure) {
    // Fixed text in both languages, like the one-copy refusal: the module may
    // be the very file that is missing or short.
    Text where = file;
    where += ": ";
    where += reasonText(failure);
    Text text = cp1251::literal(russianWhat);
    text += cp1251::literal(" не удалось сохранить в файл ");
    text += where;
    text += cp1251::literal(". Всё равно выйти? / ");
    text += englishWhat;
    text += " could not be saved to ";
    text += where;
    text += ". Quit anyway?";
    return platform().messageBox(text, applicationTitle, mbWarningYesNo) == idYes;
}

} // namespace norvik
