// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/DrawingFile.h"

#include "base/VbError.h"
#include "lessons/DrawingsFolder.h"
#include "platform/FileReplace.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>

namespace {

// The longest file name, in bytes, that the file systems of every system take.
constexpr int MaxNameBytes = 255;

bool replaceFile(const QString& from, const QString& to) {
    if (const auto& replace = DrawingFile::replaceSeam.standIn())
        return replace(from, to);
    return FileReplace::replace(from, to);
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

// The bitmap in a new file of its own in `folder`, closed, so that it can be renamed over the drawing (a
// file still open cannot be renamed on every system).
QString writtenBeside(const QImage& picture, const QString& folder) {
    QString name;
    {
        QTemporaryFile reserved(QDir(folder).filePath(QStringLiteral(".pinsola-save-XXXXXX")));
        if (!reserved.open()) {
            const int failure = errno;
            const bool denied = failure == EACCES || failure == EPERM || failure == EROFS;
            raiseWithReason(denied ? VbErr::PermissionDenied : VbErr::PathFileAccess,
                            QString::fromLocal8Bit(std::strerror(failure)));
        }
        reserved.setAutoRemove(false);
        name = reserved.fileName();
    }
    QFile file(name);
    try {
        if (!file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly))
            raiseWithReason(VbErr::PathFileAccess, file.errorString());
        DrawingFile::writeBitmap(file, picture);
    } catch (...) {
        file.remove();
        throw;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    file.close();
    return name;
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
    if (const QString reason = FileReplace::flushToDisk(file); !reason.isEmpty())
        raiseWithReason(VbErr::PathFileAccess, reason);
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
    const QString written = writtenBeside(picture, folder);
    if (!replaceFile(written, target)) {
        QFile::remove(written);
        VbError::raise(VbErr::PathFileAccess);
    }
}
