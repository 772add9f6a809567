// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "kit/Platform.h"
#include "language/DialogContext.h"
#include "search/ListSearch.h"
#include "search/SubstringFinder.h"
#include "search/TForm6.h"

#include <optional>

namespace norvik {

namespace {

// Asks for the search string with a fresh prompt; nothing when cancelled
// (the close box included).
std::optional<Text> askSearchString(TForm1& form) {
    TForm6 prompt(form.dialogContext());
    if (prompt.showModal() != mrOk) {
        return std::nullopt;
    }
    return prompt.Edit1.text();
}

void searchList(TForm1& form, ListBox& list, bool lastOccurrence, bool matchCase,
                bool eventTextOnly) {
    const auto needle = askSearchString(form);
    if (!needle) {
        return;
    }
    // Read after the prompt: a reminder may have emptied the list meanwhile.
    if (list.empty()) {
        form.ask(Line::NothingToSearch, Line::NothingToSearchTitle, mbError);
        return;
    }
    const SubstringFinder finder(*needle, matchCase);
    const ListScan scan{lastOccurrence, eventTextOnly};
    int found = findLine(list.items(), finder, scan);
    if (found < 0) {
        form.ask(Line::TextNotFound, Line::TextNotFoundTitle, mbInformation);
        return;
    }
    const auto revision = list.itemsRevision();
    if (lastOccurrence) {
        form.ask(Line::LastOccurrenceFound, Line::LastOccurrenceFoundTitle, mbInformation);
    } else {
        form.ask(Line::FirstOccurrenceFound, Line::FirstOccurrenceFoundTitle, mbInformation);
    }
    // The reminder timer runs under the box and may have deleted or rewritten
    // lines: look again in the list as it is now, and leave it alone when the
    // match is gone.
    if (list.itemsRevision() != revision) {
        found = findLine(list.items(), finder, scan);
        if (found < 0) {
            return;
        }
    }
    if (lastOccurrence) {
        // Switching to single selection and back drops every mark; only the
        // found line stays current.
        list.clearSelection();
    }
    list.setCurrent(found);
    // Clamped: near the end the last lines stay at the bottom.
    list.setTopIndex(found);
    list.setFocus();
}

void searchNotes(TForm1& form, bool matchCase) {
    const auto needle = askSearchString(form);
    if (!needle) {
        return;
    }
    const SubstringFinder finder(*needle, matchCase);
    // The notes hold their line breaks as CR LF, so the position found is
    // already the selection start the editor counts.
    const auto found = finder.find(form.Memo1.view());
    if (found == SubstringFinder::npos) {
        form.ask(Line::NotFoundInNotes, Line::NotFoundInNotesTitle, mbInformation);
        return;
    }
    form.ask(Line::FoundInNotes, Line::FoundInNotesTitle, mbInformation);
    if (found + finder.length() <= form.Memo1.length()) {
        form.Memo1.setSelection(found, finder.length());
        // Typing goes to the found text, as after a search in any editor.
        form.Memo1.setFocus();
    }
}

} // namespace

void TForm1::connectSearch() {
    BitBtn6.onClick = [this] { BitBtn6Click(); };
    N10.onClick = [this] { BitBtn6Click(); };
    BitBtn7.onClick = [this] { BitBtn7Click(); };
    N14.onClick = [this] { BitBtn7Click(); };
    BitBtn8.onClick = [this] { BitBtn8Click(); };
    N18.onClick = [this] { BitBtn8Click(); };
}

void TForm1::BitBtn6Click() {
    searchNotes(*this, matchCase);
}

void TForm1::BitBtn7Click() {
    searchList(*this, ListBox1, lastOccurrence, matchCase, eventOnly);
}

void TForm1::BitBtn8Click() {
    // Phone lines have no event text: they are always searched whole.
    searchList(*this, ListBox2, lastOccurrence, matchCase, false);
}

} // namespace norvik
