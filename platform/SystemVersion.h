// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// The operating system's version record, as the error protocol reports it.
struct SystemVersion {
    // The three platform identifiers of Windows; any other value names a different system.
    enum PlatformId : uint32_t { Win32s = 0, Windows9x = 1, WindowsNT = 2, Other = 3 };

    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t build = 0;
    uint32_t platformId = Other;
    QByteArray servicePack; // 128 bytes, NUL-terminated
    QString systemName;     // the running system's name, for identifiers other than the three

    static SystemVersion current();

private:
    // `text` cut to 127 bytes and padded with NULs to the record's 128.
    static QByteArray servicePackField(const QByteArray& text);
};
