#include "platform/HelpFile.h"

#include "platform/ProgramFolder.h"
#include "platform/Shell.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QStringList>
#include <QUrl>
#include <array>

Q_LOGGING_CATEGORY(lcHelpFile, "pinsola.help")

namespace {
// Folder names of the help pages by language index; index 5 has no language.
constexpr std::array<const char*, 7> LanguageFolders{"de", "en", "sv", "it", "es", nullptr, "fr"};

// A desktop without xdg-mime, or one that hangs, counts as having no application for the type.
bool hasDefaultApplication(const QString& mimeType) {
    QProcess xdgMime;
    xdgMime.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!xdgMime.waitForStarted(2000)) {
        qCInfo(lcHelpFile) << "xdg-mime cannot be started:" << xdgMime.errorString();
        return false;
    }
    if (!xdgMime.waitForFinished(5000)) {
        qCWarning(lcHelpFile) << "xdg-mime did not answer for" << mimeType;
        xdgMime.kill();
        xdgMime.waitForFinished(1000);
        return false;
    }
    return xdgMime.exitStatus() == QProcess::NormalExit && xdgMime.exitCode() == 0 &&
           !xdgMime.readAllStandardOutput().trimmed().isEmpty();
}
} // namespace

QString HelpFile::chmPath() {
    return ProgramFolder::path() + QStringLiteral("/Pinsola.chm");
}

QString HelpFile::startPage(int16_t langIndex) {
    const bool known =
        langIndex >= 0 && langIndex < int16_t(LanguageFolders.size()) && LanguageFolders[langIndex];
    const char* folder = known ? LanguageFolders[langIndex] : LanguageFolders[0];
    return ProgramFolder::path() + QStringLiteral("/help/") + QLatin1String(folder) +
           QStringLiteral("/index.html");
}

bool HelpFile::hasChmViewer() {
#ifdef Q_OS_WIN
    return true;
#else
    return hasDefaultApplication(QStringLiteral("application/vnd.ms-htmlhelp")) ||
           hasDefaultApplication(QStringLiteral("application/x-chm"));
#endif
}

QString HelpFile::target(int16_t langIndex, bool chmShowable) {
    return chmShowable ? chmPath() : QUrl::fromLocalFile(startPage(langIndex)).toString();
}

bool HelpFile::open(int16_t langIndex) {
    const bool chmShowable = QFileInfo::exists(chmPath()) && hasChmViewer();
    return Shell::open(target(langIndex, chmShowable));
}
