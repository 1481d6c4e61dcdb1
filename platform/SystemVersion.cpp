// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemVersion.h"

#include <QOperatingSystemVersion>
#include <QStringList>
#include <QSysInfo>

namespace {
QByteArray servicePackField(const QByteArray& text) {
    QByteArray field = text.left(127);
    field.append(QByteArray(128 - field.size(), '\0'));
    return field;
}
} // namespace

SystemVersion SystemVersion::current() {
    SystemVersion version;
    version.systemName = QSysInfo::prettyProductName();
#ifdef Q_OS_WIN
    const QOperatingSystemVersion os = QOperatingSystemVersion::current();
    version.platformId = WindowsNT;
    version.major = static_cast<uint32_t>(os.majorVersion());
    version.minor = static_cast<uint32_t>(os.minorVersion());
    version.build = static_cast<uint32_t>(os.microVersion());
    version.servicePack = servicePackField({});
#else
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
#endif
    return version;
}
