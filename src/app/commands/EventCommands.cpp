// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "events/EventLine.h"
#include "events/ReminderMemory.h"
#include "events/TForm3.h"
#include "events/TForm4.h"
#include "kit/Platform.h"
#include "language/DialogContext.h"
#include "store/DataFiles.h"

namespace norvik {

void TForm1::connectEvents() {
    Button3.onClick = [this] { Button3Click(); };
    N11.onClick = [this] { Button3Click(); };
    Button10.onClick = [this] { Button10Click(); };
    N12.onClick = [this] { Button10Click(); };
    Button4.onClick = [this] { Button4Click(); };
    N13.onClick = [this] { Button4Click(); };
    ListBox1.onKeyDown = [this](int& key, ShiftState shift) { ListBox1KeyDown(key, shift); };
}

void TForm1::saveEvents() {
    saveDataList(eventsFile, ListBox1);
}

void TForm1::Button3Click() {
    // A missing date or text sends the user back to a fresh dialog: what was
    // typed is not kept, the date starts again from the calendar and the clock.
    for (;;) {
        TForm3 dialog(dialogContext(), DateTimePicker1);
        if (dialog.showModal() != mrOk) {
            return;
        }
        if (dialog.Edit1.empty() || dialog.Edit2.empty()) {
            ask(Line::EventFieldsEmpty, Line::EventFieldsEmptyTitle, mbError);
            continue;
        }
        // The choice can only switch reminders on; "do not switch on" leaves
        // the switch as it is.
        if (dialog.RadioButton1.checked()) {
            CheckBox1.setChecked(true);
        }
        ListBox1.add(makeEventLine(dialog.Edit1.text(), dialog.Edit2.text()));
        saveEvents();
        return;
    }
}

void TForm1::Button10Click() {
    if (ListBox1.empty()) {
        ask(Line::NoEventsToEdit, Line::NoEventsToEditTitle, mbError);
        return;
    }
    TForm4 dialog(dialogContext(), ListBox1);
    if (dialog.showModal() != mrOk) {
        return;
    }
    // A reminder may have moved the current line or emptied the list while
    // the dialog was open: the edit goes to the line current now, if any.
    if (ListBox1.empty()) {
        return;
    }
    ListBox1.replace(ListBox1.current(), dialog.Edit1.text());
    // An edited line is a new event, even with its text unchanged: it is
    // announced again when it falls due.
    reminderMemory_->replaced(dialog.Edit1.text());
    saveEvents();
}

void TForm1::Button4Click() {
    if (ListBox1.empty()) {
        ask(Line::NoEventsToDelete, Line::NoEventsToDeleteTitle, mbError);
        return;
    }
    if (ask(Line::DeleteEventsQuestion, Line::DeleteEventsQuestionTitle, mbQuestion) != idYes) {
        return;
    }
    // The marks are read after the answer: a reminder under the question may
    // have changed the list. Yes saves also when nothing was marked.
    ListBox1.remove(ListBox1.selectedIndexes());
    saveEvents();
}

void TForm1::ListBox1KeyDown(int& key, ShiftState /*shift*/) {
    // Delete runs the delete command whatever modifiers are held, while the
    // command is on (it is off when do.txt was not loaded).
    if (key == vkDelete && Button4.enabled) {
        Button4Click();
    }
}

} // namespace norvik
