// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/DrawingFile.h"

#include "base/VbError.h"
#include "lessons/DrawingsFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#include <qt_windows.h>
#else
#include <unistd.h>
#endif

namespace {

// The longest file name, in bytes, that the file systems of every system take.
constexpr int MaxNameBytes = 255;

// Renames over an existing file in one step, so the target is either the old or the new file. A link in
// the drawings folder is replaced, never followed.
bool replaceFile(const QString& from, const QString& to) {
    if (const auto& replace = DrawingFile::replaceSeam.standIn())
        return replace(from, to);
#ifdef Q_OS_WIN
    return MoveFileExW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(from).utf16()),
                       reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(to).utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

bool isDeviceName(const QString& name) {
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]) *(\\..*)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch();
}

// Write protection as the permission bits say, also for a user whom the system would let write anyway.
bool writeProtected(const QFileInfo& entry) {
    return !(entry.permissions() & QFileDevice::WriteOwner);
}

// The error with the system's reason (a full disk, a quota), which the number alone does not tell.
[[noreturn]] void raiseWithReason(int32_t number, const QString& reason) {
    throw VbError(number, VbError::standardDescription(number) + QStringLiteral(": ") + reason);
}

} // namespace

QString DrawingFile::withExtension(const QString& name) {
    return name.endsWith(QLatin1String(".bmp")) ? name : name + QStringLiteral(".bmp");
}

// The bitmap is made in memory first: a write the disk cuts short tells no reason, but the next one does.
void DrawingFile::writeBitmap(QFile& file, const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        VbError::raise(VbErr::OutOfMemory);
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            raiseWithReason(VbErr::PathFileAccess, file.errorString());
        done += written;
    }
    if (!file.flush())
        raiseWithReason(VbErr::PathFileAccess, file.errorString());
#ifdef Q_OS_WIN
    if (!FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()))))
        raiseWithReason(VbErr::PathFileAccess, qt_error_string(int(GetLastError())));
#else
    if (::fsync(file.handle()) != 0)
        raiseWithReason(VbErr::PathFileAccess, QString::fromLocal8Bit(std::strerror(errno)));
#endif
}

bool DrawingFile::isPlainName(const QString& name) {
    // Windows drops a file name's trailing dots and spaces, so such a name would save under another one;
    // before the extension they are part of the name ("rose .bmp").
    const QString typed = name.endsWith(QLatin1String(".bmp")) ? name.chopped(4) : name;
    if (typed.trimmed().isEmpty() || name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')) ||
        name.toUtf8().size() > MaxNameBytes || name.startsWith(QLatin1Char('.')) || isDeviceName(name))
        return false;
    static const QString refused = QStringLiteral("/\\<>:\"|?*");
    return std::none_of(name.begin(), name.end(), [](QChar c) {
        return c.unicode() < 0x20 || c.unicode() == 0x7F || refused.contains(c);
    });
}

void DrawingFile::save(const QImage& picture, const QString& name) {
    if (!isPlainName(name))
        VbError::raise(VbErr::BadFileName);
    const QString folder = DrawingsFolder::path();
    if (!QDir().mkpath(folder))
        VbError::raise(VbErr::PathNotFound);
    const QString target = QDir(folder).filePath(name);
    const QFileInfo existing(target);
    if (writeProtected(QFileInfo(folder)) ||
        (existing.exists() && (!existing.isFile() || writeProtected(existing))))
        VbError::raise(VbErr::PermissionDenied);
    QTemporaryFile file(QDir(folder).filePath(QStringLiteral(".pinsola-save-XXXXXX")));
    if (!file.open()) {
        const int failure = errno;
        const bool denied = failure == EACCES || failure == EPERM || failure == EROFS;
        raiseWithReason(denied ? VbErr::PermissionDenied : VbErr::PathFileAccess,
                        QString::fromLocal8Bit(std::strerror(failure)));
    }
    writeBitmap(file, picture);
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    file.close();
    if (!replaceFile(file.fileName(), target))
        VbError::raise(VbErr::PathFileAccess);
    file.setAutoRemove(false);
}
