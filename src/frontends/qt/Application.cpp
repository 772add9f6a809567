// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/Application.h"

#include "frontends/qt/Look.h"
#include "frontends/qt/NotesAccessible.h"
#include "frontends/qt/Pictures.h"
#include "kit/Dispatch.h"

#include <QAccessible>
#include <QApplication>
#include <QStyleFactory>

namespace norvik::qt {

void prepareApplication(QApplication& application) {
    QApplication::setApplicationName(QString::fromLatin1(applicationTitle));
    // No display name: the desktop would add it to every window's title, and
    // the titles the forms give are complete as they stand.
    QApplication::setWindowIcon(programIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    // The forms are laid out in pixels; one style keeps them looking alike everywhere.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(style);
    }
    installFontSubstitutions();
    QAccessible::installFactory(notesAccessibleFactory);
    // Qt's own texts follow the language module, not the desktop; until one
    // is loaded they stay as Qt writes them.
    application.setFont(toQt(Font{}));
}

} // namespace norvik::qt
