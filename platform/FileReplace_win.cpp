// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileReplace.h"

#include <QDir>
#include <QFile>

#include <io.h>
#include <qt_windows.h>

bool FileReplace::replace(const QString& from, const QString& to) {
    return MoveFileExW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(from).utf16()),
                       reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(to).utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

QString FileReplace::flushToDisk(QFile& file) {
    if (FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()))))
        return {};
    return qt_error_string(int(GetLastError()));
}
