#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
std::function<bool(const QString&)>& opener() {
    static std::function<bool(const QString&)> replacement;
    return replacement;
}
} // namespace

bool Shell::open(const QString& target) {
    if (opener())
        return opener()(target);
    const QUrl url = QFileInfo(target).isAbsolute() ? QUrl::fromLocalFile(target) : QUrl(target);
    return QDesktopServices::openUrl(url);
}

void Shell::setOpener(std::function<bool(const QString&)> replacement) {
    opener() = std::move(replacement);
}
