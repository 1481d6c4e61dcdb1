#include "platform/DrawingFile.h"

#include "base/VbError.h"
#include "platform/DrawingsFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr int MaxNameLength = 200;

std::function<bool(const QString&, const QString&)>& replaceOverride() {
    static std::function<bool(const QString&, const QString&)> replacement;
    return replacement;
}

// Renames over an existing file in one step, so the target is either the old or the new file.
bool replaceFile(const QString& from, const QString& to) {
    if (replaceOverride())
        return replaceOverride()(from, to);
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool isDeviceName(const QString& name) {
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch();
}

// Write protection as the permission bits say, also for a user whom the system would let write anyway.
bool writeProtected(const QFileInfo& entry) {
    return !(entry.permissions() & QFileDevice::WriteOwner);
}

void writeBitmap(QFile& file, const QImage& picture) {
    if (!picture.convertToFormat(QImage::Format_RGB888).save(&file, "BMP") || !file.flush())
        VbError::raise(VbErr::PathFileAccess);
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        VbError::raise(VbErr::PathFileAccess);
#endif
}

} // namespace

QString DrawingFile::withExtension(const QString& name) {
    return name.endsWith(QLatin1String(".bmp")) ? name : name + QStringLiteral(".bmp");
}

bool DrawingFile::isPlainName(const QString& name) {
    if (name.isEmpty() || name.size() > MaxNameLength || name.startsWith(QLatin1Char('.')) ||
        isDeviceName(name))
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
    if (!file.open())
        VbError::raise(VbErr::PermissionDenied);
    writeBitmap(file, picture);
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    file.close();
    if (!replaceFile(file.fileName(), target))
        VbError::raise(VbErr::PathFileAccess);
    file.setAutoRemove(false);
}

void DrawingFile::setReplaceForTests(std::function<bool(const QString&, const QString&)> replace) {
    replaceOverride() = std::move(replace);
}
