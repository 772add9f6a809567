// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ListSync.h"
#include "app/TForm1.h"

#include "events/DateTextReader.h"
#include "events/EventLine.h"
#include "events/EventTime.h"
#include "events/ReminderMemory.h"
#include "kit/Dispatch.h"
#include "kit/Failure.h"
#include "kit/Platform.h"
#include "kit/RaisedFlag.h"
#include "phonebook/PhoneLine.h"
#include "store/Codec1251.h"
#include "store/DataFiles.h"
#include "store/FileStore.h"

#include <cstring>
#include <vector>

namespace norvik {

namespace {

constexpr int events = 0;
constexpr int phones = 1;

SyncedList listOf(int which) {
    return which == events ? SyncedList::Events : SyncedList::Phones;
}

const char* fileOf(int which) {
    return which == events ? eventsFile : phonesFile;
}

} // namespace

void TForm1::startSync(ListSync& sync) {
    listSync_ = &sync;
    bool any = false;
    for (const int which : {events, phones}) {
        // A list that did not load is never synced: what it shows is not the file.
        ListBox& list = which == events ? ListBox1 : ListBox2;
        synced_[which] = files().loaded(fileOf(which)) && sync.attach(listOf(which), list);
        any = any || synced_[which];
    }
    if (!any) {
        return;
    }
    SyncTimer.setEnabled(true);
    syncRound();
}

void TForm1::SyncTimerTimer() {
    // A dialog or box open waits for the next round.
    if (platform().modalOpen()) {
        return;
    }
    syncRound();
}

void TForm1::listSaved(const char* file) {
    const int which = std::strcmp(file, eventsFile) == 0   ? events
                      : std::strcmp(file, phonesFile) == 0 ? phones
                                                           : -1;
    if (which < 0 || listSync_ == nullptr || !synced_[which] || syncing_) {
        return;
    }
    try {
        listSync_->saved(listOf(which));
    } catch (const Failure&) {
        // The map is written again with the next sync, which reports what fails.
    }
    syncSoon();
}

void TForm1::syncSoon() {
    if (syncPosted_) {
        return;
    }
    syncPosted_ = true;
    platform().runWhenIdle([this] {
        syncPosted_ = false;
        syncRound();
    });
}

void TForm1::syncRound() {
    for (const int which : {events, phones}) {
        if (synced_[which]) {
            syncList(which);
        }
    }
}

void TForm1::syncList(int which) {
    ListBox& list = which == events ? ListBox1 : ListBox2;
    SyncRound round;
    // The labels are looked up before anything moves: a module without them
    // stops the phone book's round here, reported as its failure.
    std::vector<Text> labels;
    try {
        if (which == phones) {
            for (const Line label : phoneLabelLines) {
                labels.push_back(LangLine(label));
            }
        }
    } catch (const Failure& failure) {
        round.failed = true;
        round.folder = listSync_->folder(listOf(which));
        round.reason = failure.what();
    }
    const auto labelOf = [&labels](Line label) {
        return labels.at(static_cast<std::size_t>(static_cast<int>(label) -
                                                  static_cast<int>(Line::PostcodeLabel)));
    };
    const DateTime now = platform().now();
    if (!round.failed) {
        const RaisedFlag syncing(syncing_);
        round = listSync_->sync(listOf(which), now, labelOf,
                                [this, which, &list] { saveDataList(fileOf(which), list); });
    }
    if (which == events) {
        // What came in already past was announced where it was made, or is history.
        const std::int64_t at = momentMillis(now);
        for (const Text& line : round.arrived) {
            const auto reading =
                readDateText(std::string_view(line).substr(0, dateTextLength), now.year);
            if (reading) {
                reminderMemory_->arrived(momentMillis(reading->moment), line, at);
            }
        }
    }
    if (!round.failed) {
        syncFailureShown_[which] = false;
        return;
    }
    if (syncFailureShown_[which]) {
        return;
    }
    syncFailureShown_[which] = true;
    // Fixed text in both languages, like the lock's: it names a folder of the
    // system, and may come before a module is loaded.
    const Text where = round.folder + ": " + round.reason;
    platform().messageBox(cp1251::literal("Не удалось синхронизировать с папкой ") + where +
                              cp1251::literal(". / Cannot sync with the folder ") + where + ".",
                          applicationTitle, mbError);
}

} // namespace norvik
