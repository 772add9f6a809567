// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/ContentLines.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace norvik::sync {

// A calendar or card file kept as the lines it was written with, so that a
// change rewrites only the properties it touches and every other byte stays
// as the other side wrote it.
class ContentDocument {
public:
    // One property: its physical lines with their breaks (folded or, in a
    // quoted-printable value, soft-broken), and the line taken apart.
    struct Property {
        std::string raw;      // exactly as in the file, line breaks included
        std::string unfolded; // the logical line without breaks
        ContentFields fields; // empty name when the line does not parse
    };

    // A BEGIN ... END span: the indexes of its BEGIN and END properties.
    struct Component {
        std::string name; // upper-cased
        std::size_t begin = 0;
        std::size_t end = 0;
        int parent = -1; // index into components(), -1 at the top
    };

    explicit ContentDocument(std::string_view bytes);

    const std::vector<Property>& properties() const { return properties_; }
    const Property& at(std::size_t index) const { return properties_[index]; }
    std::size_t size() const { return properties_.size(); }
    // Components in the order their BEGIN lines come; unbalanced ones are left out.
    std::vector<Component> components() const;
    // The properties directly inside a component (not in nested ones), by name.
    std::vector<std::size_t> find(const Component& component, std::string_view name) const;

    // Writes a logical line in place of a property, folded, with the line
    // break the replaced line had.
    void replace(std::size_t index, std::string_view line);
    // Inserts a logical line before the property at `index`.
    void insertBefore(std::size_t index, std::string_view line);
    void insertBefore(std::size_t index, const std::vector<std::string>& lines);
    // Inserts properties as they are: lines copied from elsewhere keep their bytes.
    void insertBefore(std::size_t index, std::vector<Property> properties);
    // A logical line as a property of this document, folded, with its line break.
    Property property(std::string_view line) const;
    void remove(std::size_t index);
    // Removes the properties first..last, both included.
    void removeRange(std::size_t first, std::size_t last);

    std::string bytes() const;

private:
    bool lineFeedsOnly_ = false; // new lines end as the file's first line does
    std::string byteOrderMark_;  // a UTF-8 one, kept where the file had it
    std::vector<Property> properties_;
};

// The part of a content line before its value (name, group and parameters,
// without the colon), and the value; the colon is the first one outside
// double quotes.
std::string_view linePrefix(std::string_view line);
std::string_view lineValue(std::string_view line);

// A property's prefix (name and parameters) without the parameters for
// which `dropped` holds; it gets each parameter upper-cased. The name stays.
std::string prefixWithout(std::string_view prefix,
                          const std::function<bool(std::string_view upper)>& dropped);

// A prefix without the parameters that describe how the old value was
// encoded (ENCODING, CHARSET, a bare QUOTED-PRINTABLE), so that a value
// written as plain UTF-8 is not misread.
std::string plainPrefix(std::string_view prefix);

bool hasParameterValue(const ContentFields& fields, std::string_view name, std::string_view value);

} // namespace norvik::sync
