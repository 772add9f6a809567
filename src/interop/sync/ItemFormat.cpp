// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/sync/ItemFormat.h"

#include "interop/sync/CardItem.h"
#include "interop/sync/SyncText.h"

namespace norvik::sync {

bool EventFormat::sends(std::string_view line) const {
    return fullFormEvent(line).has_value();
}

ItemReading EventFormat::read(std::string_view bytes, const FileRecord* /*record*/) const {
    return readCalendarItem(bytes, window_);
}

bool EventFormat::observed(const FileRecord& record, std::string_view rid) const {
    return !record.series || window_.holds(rid);
}

std::string EventFormat::create(const std::string& uid, const Text& line,
                                FileRecord& record) const {
    record.series = false;
    return newCalendarItem(uid, line, zone_, now_);
}

std::optional<std::string> EventFormat::edit(std::string_view bytes,
                                             const std::vector<ItemEdit>& edits,
                                             FileRecord& /*record*/) const {
    return editCalendarItem(bytes, edits, zone_, now_);
}

std::string ContactFormat::pairingKey(const Text& line) const {
    return cardPairingKey(line, label_);
}

ItemReading ContactFormat::read(std::string_view bytes, const FileRecord* record) const {
    return readCardItem(bytes, label_, record != nullptr && record->ownNote);
}

std::string ContactFormat::create(const std::string& uid, const Text& line,
                                  FileRecord& record) const {
    return newCardItem(uid, line, label_, record.ownNote);
}

std::optional<std::string> ContactFormat::edit(std::string_view bytes,
                                               const std::vector<ItemEdit>& edits,
                                               FileRecord& record) const {
    std::optional<std::string> result(bytes);
    for (const ItemEdit& edit : edits) {
        if (!edit.line || !result) {
            return std::nullopt; // a card goes as a whole file, never by an edit
        }
        result = editCardItem(*result, edit.base, *edit.line, label_, record.ownNote);
    }
    return result;
}

} // namespace norvik::sync
