// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/BoxWidth.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace norvik::qt {

void fitBoxToTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    // Room for the title in a frame font a little larger than the box's own,
    // plus the frame's icon and its three buttons.
    constexpr int frameButtons = 110;
    const int width =
        QFontMetrics(box.font()).horizontalAdvance(box.windowTitle()) * 6 / 5 + frameButtons;
    // A box's layout is a grid; a spacer across its last row sets the least width.
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace norvik::qt
