// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the start-up measurement: the least a Qt Widgets program does to show a window, one
// widget of the info window's size painting a background and a line of text.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class FloorWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Pinsola"));
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FloorWindow window;
    window.resize(420, 314);
    window.show();
    return QApplication::exec();
}
