// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ButtonLibrary.h"

#include "base/VbError.h"
#include "platform/ProgramFolder.h"

#include <brizel/BrizelLoader.h>

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcButtonLibrary, "pinsola.buttons")

QString ButtonLibrary::path() {
    return ProgramFolder::path() + QLatin1Char('/') + QStringLiteral(PINSOLA_BUTTON_LIBRARY_FILE);
}

brizel::BrizelFactory& ButtonLibrary::factory() {
    static brizel::BrizelFactory* loaded = nullptr;
    if (!loaded) {
        QString error;
        loaded = brizel::loadBrizelFactory(path(), &error);
        if (!loaded) {
            qCWarning(lcButtonLibrary) << "button library not loaded:" << error;
            VbError::raise(VbErr::CannotCreateObject);
        }
    }
    return *loaded;
}
