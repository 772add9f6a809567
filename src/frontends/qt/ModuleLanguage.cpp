// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/ModuleLanguage.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace norvik::qt {

void speakModuleLanguage(int module) {
    const QString translatorName = QStringLiteral("norvik-module-language");
    // A second choice (the first-start boxes are Russian, the settings may
    // then pick English) replaces the first.
    if (auto* previous =
            qApp->findChild<QTranslator*>(translatorName, Qt::FindDirectChildrenOnly)) {
        QApplication::removeTranslator(previous);
        delete previous;
    }
    const QLocale locale = module == 0 ? QLocale(QLocale::Russian, QLocale::Russia)
                                       : QLocale(QLocale::English, QLocale::UnitedStates);
    // Widgets made from now on take this locale: the calendar's month and day names.
    QLocale::setDefault(locale);
    if (module != 0) {
        return;
    }
    auto* translator = new QTranslator(qApp);
    translator->setObjectName(translatorName);
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace norvik::qt
