// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/HelpFile.h"

#include "base/VbError.h"
#include "platform/ChmViewerLookup.h"
#include "platform/ProgramFolder.h"
#include "platform/Shell.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <array>

namespace {
// Folder names of the help pages by language index; index 5 has no language.
constexpr std::array<const char*, 7> LanguageFolders{"de", "en", "sv", "it", "es", nullptr, "fr"};
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

void HelpFile::askForChmViewer() {
    ChmViewerLookup::instance().ask();
}

std::optional<bool> HelpFile::chmViewer() {
    return ChmViewerLookup::instance().answer();
}

QString HelpFile::target(int16_t langIndex, bool chmShowable) {
    return chmShowable ? chmPath() : QUrl::fromLocalFile(startPage(langIndex)).toString();
}

// The help never waits for the system's answer about CHM viewers: until it is in, the HTML pages serve.
void HelpFile::open(int16_t langIndex) {
    askForChmViewer();
    const bool chmShowable = QFileInfo::exists(chmPath()) && chmViewer().value_or(false);
    if (!chmShowable && !QFileInfo::exists(startPage(langIndex)))
        throw VbError(
            VbErr::FileNotFound,
            QStringLiteral("Help page not found: %1").arg(QDir::toNativeSeparators(startPage(langIndex))));
    Shell::execute(target(langIndex, chmShowable));
}
