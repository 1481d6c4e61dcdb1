// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemVersion.h"

#include <QOperatingSystemVersion>
#include <QSysInfo>

SystemVersion SystemVersion::current() {
    SystemVersion version;
    version.systemName = QSysInfo::prettyProductName();
    const QOperatingSystemVersion os = QOperatingSystemVersion::current();
    version.platformId = WindowsNT;
    version.major = static_cast<uint32_t>(os.majorVersion());
    version.minor = static_cast<uint32_t>(os.minorVersion());
    version.build = static_cast<uint32_t>(os.microVersion());
    version.servicePack = servicePackField({});
    return version;
}
