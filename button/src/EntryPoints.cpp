// SPDX-License-Identifier: GPL-3.0-or-later
// The four exported entry points of an in-process control server, over our own class registry.
#include "Brizel.h"
#include "ClassRegistry.h"
#include "SystemPaths.h"

#include <brizel/BrizelFactory.h>

#include <QPluginLoader>

namespace {

constexpr long S_OK = 0;
constexpr long S_FALSE = 1;
constexpr long E_FAIL = long(0x80004005);
constexpr long E_POINTER = long(0x80004003);
constexpr long CLASS_E_CLASSNOTAVAILABLE = long(0x80040111);

} // namespace

extern "C" {

Q_DECL_EXPORT long DllRegisterServer() {
    const QString path = brizel::libraryPath();
    if (path.isEmpty())
        return E_FAIL;
    return brizel::ClassRegistry::registerClass(QLatin1String(brizel::ClassRegistry::ProgId), path) ? S_OK
                                                                                                    : E_FAIL;
}

Q_DECL_EXPORT long DllUnregisterServer() {
    return brizel::ClassRegistry::unregisterClass(QLatin1String(brizel::ClassRegistry::ProgId)) ? S_OK
                                                                                                : E_FAIL;
}

// Hands out the class factory for the programmatic id; the factory lives as long as the library.
Q_DECL_EXPORT long DllGetClassObject(const char* progId, brizel::BrizelFactory** factory) {
    if (!factory)
        return E_POINTER;
    *factory = nullptr;
    if (!progId || qstrcmp(progId, brizel::ClassRegistry::ProgId) != 0)
        return CLASS_E_CLASSNOTAVAILABLE;
    QPluginLoader loader(brizel::libraryPath());
    *factory = qobject_cast<brizel::BrizelFactory*>(loader.instance());
    return *factory ? S_OK : E_FAIL;
}

Q_DECL_EXPORT long DllCanUnloadNow() {
    return brizel::Brizel::liveControls() == 0 ? S_OK : S_FALSE;
}

} // extern "C"
