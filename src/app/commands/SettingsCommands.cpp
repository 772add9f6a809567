// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TForm1.h"

#include "language/DialogContext.h"
#include "settings/MainWindowColors.h"
#include "settings/TConfiguration.h"

namespace norvik {

void TForm1::connectSettings() {
    Configurations.onClick = [this] { ConfigurationsClick(); };
}

void TForm1::ConfigurationsClick() {
    // A new dialog for each use: it reads the settings file afresh.
    TConfiguration dialog(dialogContext(), files(), mainWindowColors());
    dialog.showModal();
}

} // namespace norvik
