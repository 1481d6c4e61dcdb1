#include "core/Allgemein.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pinsola"));
    Allgemein::Main();
    return QApplication::exec();
}
