// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "kit/Failure.h"
#include "kit/Platform.h"
#include "kit/RaisedFlag.h"
#include "store/DataFiles.h"
#include "store/FileStore.h"

namespace norvik {

namespace {

const Text lineBreak = "\r\n";

} // namespace

void TForm1::connectNotes() {
    Button2.onClick = [this] { Button2Click(); };
    N8.onClick = [this] { Button2Click(); };
    Button1.onClick = [this] { Button1Click(); };
    N9.onClick = [this] { Button1Click(); };
    Memo1.onKeyPress = [this](char& key) { Memo1KeyPress(key); };
    Memo1.onKeyDown = [this](int& key, ShiftState shift) { Memo1KeyDown(key, shift); };
    Memo1.onChange = [this] { Memo1Change(); };
}

void TForm1::markNotesModified() {
    if (Memo1.readOnly) {
        return; // notes that were not loaded are never offered for saving
    }
    notesEdited_ = true;
    Label1.caption = LangLine(Line::NotesModifiedLabel);
    Button2.enabled = true;
    Button1.enabled = true;
}

void TForm1::Memo1KeyPress(char& /*key*/) {
    // Every character event counts, also one that changes nothing (Ctrl+C).
    markNotesModified();
}

void TForm1::Memo1KeyDown(int& key, ShiftState /*shift*/) {
    if (key != vkDelete || Memo1.readOnly) {
        return;
    }
    markNotesModified();
    Button1.enabled = !Memo1.empty();
}

void TForm1::Memo1Change() {
    // A change the user makes without a key (the context menu, Shift+Insert,
    // dropped text) marks the notes modified as typing does, so that the
    // close-time question still offers to save it. Undoing back to the text
    // as loaded or saved shows it unmodified again.
    if (!notesChangedByProgram_ && Memo1.atSaved()) {
        notesEdited_ = false;
        Label1.caption = LangLine(notesSavedCaption_);
        Button2.enabled = false;
        Button1.enabled = !Memo1.empty();
    } else if (!notesChangedByProgram_) {
        markNotesModified();
    }
    if (Memo1.empty()) {
        Button1.enabled = false;
    }
}

void TForm1::setNotesText(Text text) {
    const RaisedFlag change(notesChangedByProgram_);
    Memo1.setText(std::move(text));
}

void TForm1::appendNotesDelimiter() {
    if (Memo1.empty()) {
        return;
    }
    // The delimiter becomes a new last line, so the next entry starts below the rule.
    const RaisedFlag change(notesChangedByProgram_);
    if (Memo1.endsWith(lineBreak)) {
        Memo1.append(notesDelimiter + lineBreak);
    } else {
        Memo1.append(lineBreak + notesDelimiter);
    }
}

void TForm1::Button2Click() {
    Label1.caption = LangLine(Line::NotesSavedLabel);
    appendNotesDelimiter();
    try {
        files().saveNotes(notesFile, Memo1.view());
    } catch (const Failure&) {
        // The notes are not saved: the label must say so, or the close-time
        // question would not be asked and the notes would be lost at exit.
        notesEdited_ = true;
        Label1.caption = LangLine(Line::NotesModifiedLabel);
        throw;
    }
    notesEdited_ = false;
    Memo1.markSaved();
    notesSavedCaption_ = Line::NotesSavedLabel;
    Button2.enabled = false;
}

void TForm1::Button1Click() {
    // No is the default answer: a hurried Enter must not empty the diary.
    if (ask(Line::ClearNotesQuestion, Line::ClearNotesQuestionTitle,
            mbQuestion | mbDefaultButton2) != idYes) {
        return;
    }
    {
        // Emptied as an edit of the whole text rather than a new text, so
        // that an editor with undo can bring the notes back.
        const RaisedFlag change(notesChangedByProgram_);
        Memo1.setSelection(0, Memo1.length());
        Memo1.replaceSelection("");
    }
    notesEdited_ = true;
    Label1.caption = LangLine(Line::NotesModifiedLabel);
    Button2.enabled = true;
    Button1.enabled = false;
}

} // namespace norvik
