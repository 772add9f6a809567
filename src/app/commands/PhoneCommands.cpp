// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "kit/Platform.h"
#include "language/DialogContext.h"
#include "phonebook/PhoneLine.h"
#include "phonebook/TForm2.h"
#include "phonebook/TForm5.h"
#include "store/DataFiles.h"

namespace norvik {

void TForm1::connectPhoneBook() {
    Button5.onClick = [this] { Button5Click(); };
    N15.onClick = [this] { Button5Click(); };
    Button6.onClick = [this] { Button6Click(); };
    N16.onClick = [this] { Button6Click(); };
    Button11.onClick = [this] { Button11Click(); };
    N17.onClick = [this] { Button11Click(); };
    ListBox2.onKeyDown = [this](int& key, ShiftState shift) { ListBox2KeyDown(key, shift); };
}

void TForm1::savePhoneBook() {
    saveDataList(phonesFile, ListBox2);
}

void TForm1::Button5Click() {
    TForm2 dialog(dialogContext());
    // An empty name sends the user back to the same dialog, with everything
    // entered so far still in place, until a name is given or he cancels.
    for (;;) {
        if (dialog.showModal() != mrOk) {
            return;
        }
        if (!dialog.Edit1.text().empty()) {
            break;
        }
        ask(Line::RecordNameEmpty, Line::RecordNameEmptyTitle, mbError);
    }
    const Text line =
        buildPhoneLine(dialog.record(), [this](Line label) { return LangLine(label); });
    ListBox2.add(line);
    savePhoneBook();
}

void TForm1::Button6Click() {
    TForm5 dialog(dialogContext(), ListBox2);
    if (ListBox2.empty()) {
        ask(Line::NoRecordsToEdit, Line::NoRecordsToEditTitle, mbError);
        return;
    }
    const int line = ListBox2.current();
    if (dialog.showModal() != mrOk) {
        return;
    }
    // The reminder timer runs under the dialog; replace only a line that is still there.
    if (line < 0 || line >= ListBox2.count()) {
        return;
    }
    ListBox2.replace(line, dialog.Edit1.text());
    savePhoneBook();
}

void TForm1::Button11Click() {
    if (ListBox2.empty()) {
        ask(Line::NoRecordsToDelete, Line::NoRecordsToDeleteTitle, mbError);
        return;
    }
    if (ask(Line::DeleteRecordsQuestion, Line::DeleteRecordsQuestionTitle, mbQuestion) != idYes) {
        return;
    }
    // The marks are read after the question, as they stand now; the current
    // line alone is no mark. All marked lines go in one pass.
    ListBox2.remove(ListBox2.selectedIndexes());
    savePhoneBook();
}

void TForm1::ListBox2KeyDown(int& key, ShiftState /*shift*/) {
    // Shift, Ctrl and Alt make no difference: any Delete deletes, while the
    // command is on (it is off when telephone.txt was not loaded).
    if (key == vkDelete && Button11.enabled) {
        Button11Click();
    }
}

} // namespace norvik
