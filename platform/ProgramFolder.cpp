#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& overridden() {
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder::path() {
    QString folder = overridden().isEmpty() ? QCoreApplication::applicationDirPath() : overridden();
    while (folder.size() > 1 && (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))))
        folder.chop(1);
    return folder;
}

QString ProgramFolder::programName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void ProgramFolder::setPath(const QString& folder) {
    overridden() = folder;
}
