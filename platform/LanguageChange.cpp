// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LanguageChange.h"

#include "platform/QtTranslation.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

// Sent at once rather than posted, so the texts have changed when the click that changed them returns.
// A widget passes the event on to its children, owned windows included, so it goes to unowned windows
// only.
void LanguageChange::announce(const QString& languageCode) {
    QtTranslation::use(languageCode);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->parentWidget())
            continue;
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(window, &change);
    }
}
