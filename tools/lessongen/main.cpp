// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContentWriter.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: lessongen <Pinsola source folder>\n";
        return 2;
    }
    return ContentWriter(args.at(1)).writeAll() ? 0 : 1;
}
