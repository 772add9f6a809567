// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/LocalZone.h"
#include "interop/PhoneCard.h"
#include "interop/sync/CalendarItem.h"
#include "interop/sync/ItemReading.h"
#include "interop/sync/SyncState.h"

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvik::sync {

// What sync needs to know of one kind of list and its items: events and
// .ics files, phone records and .vcf files.
class ItemFormat {
public:
    virtual ~ItemFormat() = default;

    virtual std::string_view extension() const = 0;
    // Whether a line of the list goes to the folder at all.
    virtual bool sends(std::string_view line) const = 0;
    // Lines and items with equal keys are one on a first sync.
    virtual std::string pairingKey(const Text& line) const = 0;
    // `record` is the file's record from the last sync, if any.
    virtual ItemReading read(std::string_view bytes, const FileRecord* record) const = 0;
    // Whether the folder is looked at for this line of a file now: the
    // occurrences of a series outside the window stay as they are.
    virtual bool observed(const FileRecord& record, std::string_view rid) const = 0;
    // A new file for a line; its record's flags are set.
    virtual std::string create(const std::string& uid, const Text& line,
                               FileRecord& record) const = 0;
    // The file rewritten for changed lines; nothing when it cannot be.
    virtual std::optional<std::string>
    edit(std::string_view bytes, const std::vector<ItemEdit>& edits, FileRecord& record) const = 0;
};

// Event lines and .ics items, series read for the window's days.
class EventFormat : public ItemFormat {
public:
    EventFormat(const OccurrenceWindow& window, LocalZone zone, std::time_t now)
        : window_(window), zone_(std::move(zone)), now_(now) {}

    std::string_view extension() const override { return ".ics"; }
    bool sends(std::string_view line) const override;
    std::string pairingKey(const Text& line) const override { return line; }
    ItemReading read(std::string_view bytes, const FileRecord* record) const override;
    bool observed(const FileRecord& record, std::string_view rid) const override;
    std::string create(const std::string& uid, const Text& line, FileRecord& record) const override;
    std::optional<std::string> edit(std::string_view bytes, const std::vector<ItemEdit>& edits,
                                    FileRecord& record) const override;

private:
    OccurrenceWindow window_;
    LocalZone zone_;
    std::time_t now_;
};

// Phone lines and .vcf items, read and written with the labels of the
// module the lines are built with.
class ContactFormat : public ItemFormat {
public:
    explicit ContactFormat(FieldLabel label) : label_(std::move(label)) {}

    std::string_view extension() const override { return ".vcf"; }
    bool sends(std::string_view line) const override { return !line.empty(); }
    std::string pairingKey(const Text& line) const override;
    ItemReading read(std::string_view bytes, const FileRecord* record) const override;
    bool observed(const FileRecord&, std::string_view) const override { return true; }
    std::string create(const std::string& uid, const Text& line, FileRecord& record) const override;
    std::optional<std::string> edit(std::string_view bytes, const std::vector<ItemEdit>& edits,
                                    FileRecord& record) const override;

private:
    FieldLabel label_;
};

} // namespace norvik::sync
