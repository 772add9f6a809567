// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/ListActions.h"

#include "frontends/headless/ProtocolError.h"
#include "kit/Controls.h"
#include "kit/Dispatch.h"
#include "kit/UserActions.h"

#include <string>

namespace norvik::headless {

namespace {

void checkIndex(int index, int count, const std::string& name) {
    if (index < 0 || index >= count) {
        throw ProtocolError{"index " + std::to_string(index) + " is out of range for " + name +
                            " (" + std::to_string(count) + " entries)"};
    }
}

} // namespace

void selectLines(Platform& platform, ListBox& list, const std::vector<int>& indexes) {
    for (const int index : indexes) {
        checkIndex(index, list.count(), list.name());
    }
    if (!list.multiSelect && indexes.size() > 1) {
        throw ProtocolError{list.name() + " allows only one selected line"};
    }
    dispatch(platform, [&] { chooseLines(list, indexes); });
}

void focusLine(ListBox& list, int index) {
    checkIndex(index, list.count(), list.name());
    list.setCurrent(index);
}

void pickEntry(Platform& platform, ComboBox& box, int index) {
    checkIndex(index, static_cast<int>(box.items.size()), box.name());
    dispatch(platform, [&] { chooseEntry(box, index); });
}

} // namespace norvik::headless
