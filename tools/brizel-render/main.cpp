// SPDX-License-Identifier: GPL-3.0-or-later
// brizel-render: one Brizel button as PNG, or a demonstration window of all styles.
#include "ButtonRenderer.h"
#include "DemoWindow.h"
#include "RenderOptions.h"

#include "controls/KeyedPropertyBag.h"

#include <brizel/BrizelLoader.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>

namespace {

int fail(const QString& message, int code) {
    std::fprintf(stderr, "brizel-render: %s\n", qPrintable(message));
    return code;
}

bool wantsWindow(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--window") == 0)
            return true;
    return false;
}

// Picture keys name files relative to the property file.
void resolvePictures(KeyedPropertyBag& bag, const QDir& folder) {
    for (const char* key : {"PICN", "PICH", "MICON"}) {
        const QString path = bag.readProperty(QLatin1String(key)).toString();
        if (!path.isEmpty() && QFileInfo(path).isRelative())
            bag.writeProperty(QLatin1String(key), folder.absoluteFilePath(path));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (!wantsWindow(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString error;
    bool helpShown = false;
    const std::optional<RenderOptions> options = RenderOptions::parse(app.arguments(), &error, &helpShown);
    if (helpShown) {
        std::printf("%s", qPrintable(RenderOptions::usage()));
        return 0;
    }
    if (!options)
        return fail(error + QStringLiteral("\n\n") + RenderOptions::usage(), 2);

    const QString library = options->library.isEmpty() ? QCoreApplication::applicationDirPath() +
                                                             QStringLiteral("/" BUTTON_LIBRARY_FILE)
                                                       : options->library;
    brizel::BrizelFactory* factory = brizel::loadBrizelFactory(library, &error);
    if (!factory)
        return fail(QStringLiteral("cannot load the button library %1: %2").arg(library, error), 3);

    if (options->window) {
        DemoWindow window(*factory);
        window.show();
        QTimer::singleShot(200, &window, &DemoWindow::showAbout);
        return app.exec();
    }

    QFile file(options->propsFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot read %1: %2").arg(options->propsFile, file.errorString()), 4);
    KeyedPropertyBag properties = KeyedPropertyBag::fromText(QString::fromUtf8(file.readAll()));
    resolvePictures(properties, QFileInfo(options->propsFile).absoluteDir());
    const std::optional<QImage> image = ButtonRenderer(*factory).render(properties, *options, &error);
    if (!image)
        return fail(error, 5);
    if (!image->save(options->outFile, "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(options->outFile), 6);
    return 0;
}
