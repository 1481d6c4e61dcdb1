// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtTranslation.h"

#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTranslator>
#include <memory>

Q_LOGGING_CATEGORY(lcQtTranslation, "pinsola.translation")

namespace {

// Qt 6 asks for the standard buttons' texts under QPlatformTheme. Some languages (Swedish) still have
// only the older catalogue, which holds the same texts under QDialogButtonBox: they are asked there too.
class QtTexts : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        const QString text = QTranslator::translate(context, sourceText, disambiguation, n);
        if (!text.isEmpty() || qstrcmp(context, "QPlatformTheme") != 0)
            return text;
        return QTranslator::translate("QDialogButtonBox", sourceText, disambiguation, n);
    }
};

std::unique_ptr<QtTexts>& installed() {
    static std::unique_ptr<QtTexts> translator;
    return translator;
}

std::unique_ptr<QtTexts> load(const QString& languageCode) {
    auto texts = std::make_unique<QtTexts>();
    const QStringList folders = {ProgramFolder::path() + QStringLiteral("/translations"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& catalogue : {QStringLiteral("qtbase_"), QStringLiteral("qt_")})
        for (const QString& folder : folders)
            if (texts->load(catalogue + languageCode, folder))
                return texts;
    return nullptr;
}

} // namespace

void QtTranslation::use(const QString& languageCode) {
    if (installed())
        QCoreApplication::removeTranslator(installed().get());
    installed().reset();
    if (languageCode.isEmpty())
        return;
    installed() = load(languageCode);
    if (!installed()) {
        qCInfo(lcQtTranslation) << "no Qt texts for" << languageCode << "; Qt's own buttons stay English";
        return;
    }
    QCoreApplication::installTranslator(installed().get());
}
