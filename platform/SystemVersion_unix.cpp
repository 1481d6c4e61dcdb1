// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemVersion.h"

#include <QStringList>
#include <QSysInfo>

// The kernel's version, its name where Windows keeps the service pack.
SystemVersion SystemVersion::current() {
    SystemVersion version;
    version.systemName = QSysInfo::prettyProductName();
    const QStringList parts = QSysInfo::kernelVersion().split(QLatin1Char('.'));
    auto number = [&](int i) {
        if (i >= parts.size())
            return 0u;
        QString digits;
        for (QChar ch : parts.at(i)) {
            if (!ch.isDigit())
                break;
            digits += ch;
        }
        return digits.toUInt();
    };
    version.platformId = Other;
    version.major = number(0);
    version.minor = number(1);
    version.build = number(2);
    version.servicePack = servicePackField(QSysInfo::kernelType().toLatin1());
    return version;
}
