// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"

#include <QMimeData>
#include <QPointer>
#include <cstddef>
#include <optional>

namespace norvik::qt {

class NotesEdit;

// A selection of the notes offered as the desktop's primary selection. Its
// text is converted only when a program asks for it, so selecting all of a
// long diary copies nothing; an edit that would change the offered bytes has
// them taken first, and one before them moves them along.
class SelectionOffer : public QMimeData {
public:
    SelectionOffer(const NotesEdit& editor, std::size_t from, std::size_t to)
        : editor_(&editor), from_(from), to_(to) {}

    // Before `removed` bytes at `position` give way to `inserted` ones.
    void textChanging(std::size_t position, std::size_t removed, std::size_t inserted);

    QStringList formats() const override;
    bool hasFormat(const QString& mimeType) const override;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    QPointer<const NotesEdit> editor_;
    std::size_t from_;
    std::size_t to_;
    std::optional<Text> taken_;
};

} // namespace norvik::qt
