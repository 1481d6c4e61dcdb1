// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <brizel/BrizelFactory.h>

#include <QPluginLoader>
#include <QString>

namespace brizel {

// Loads the button library from its absolute path and returns its class factory, or nullptr with the
// loader's message in `error`. The library stays loaded for the rest of the process.
inline BrizelFactory* loadBrizelFactory(const QString& libraryPath, QString* error = nullptr) {
    QPluginLoader loader(libraryPath);
    auto* factory = qobject_cast<BrizelFactory*>(loader.instance());
    if (!factory && error)
        *error = loader.errorString();
    return factory;
}

} // namespace brizel
