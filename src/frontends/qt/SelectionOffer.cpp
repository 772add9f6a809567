// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/SelectionOffer.h"

#include "frontends/qt/NotesEdit.h"
#include "frontends/qt/QtText.h"

namespace norvik::qt {

namespace {

const QString plainText = QStringLiteral("text/plain");

} // namespace

void SelectionOffer::textChanging(std::size_t position, std::size_t removed, std::size_t inserted) {
    if (taken_ || editor_ == nullptr || position >= to_) {
        return;
    }
    if (position + removed <= from_) {
        from_ = from_ - removed + inserted;
        to_ = to_ - removed + inserted;
        return;
    }
    taken_ = editor_->buffer().slice(from_, to_ - from_);
}

QStringList SelectionOffer::formats() const {
    return {plainText};
}

bool SelectionOffer::hasFormat(const QString& mimeType) const {
    return mimeType == plainText;
}

QVariant SelectionOffer::retrieveData(const QString& mimeType, QMetaType /*type*/) const {
    if (mimeType != plainText) {
        return {};
    }
    Text bytes;
    if (taken_) {
        bytes = *taken_;
    } else if (editor_ != nullptr) {
        bytes = editor_->buffer().slice(from_, to_ - from_);
    }
    // A line break is one LF on the desktop, as on the clipboard.
    QString text = toQt(bytes);
    text.remove(u'\r');
    return text;
}

} // namespace norvik::qt
