// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoWindow.h"

#include "controls/KeyedPropertyBag.h"

#include <brizel/BrizelFactory.h>
#include <brizel/IBrizel.h>

#include <QApplication>

namespace {

const int Styles[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
// Wingdings codes of the drawing window's panel: new page, undo, gallery, save, colour, print, sound,
// web page, OK and exit.
const char16_t Symbols[] = {0x6F, 0xC5, 0x31, 0x3C, 0x21, 0x79, 0x29, 0x5B, 0xFE, 0xFD};

QString styleCaption(int style) {
    const QString name = brizel::buttonTypeName(style);
    return name.isEmpty() ? QStringLiteral("Style %1").arg(style) : name;
}

} // namespace

DemoWindow::DemoWindow(brizel::BrizelFactory& factory) : m_container(*this) {
    setWindowTitle(QStringLiteral("Brizel buttons"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(236, 233, 216));
    setPalette(colours);
    resize(8 + 7 * 118, 8 + 4 * 40 + 16);
    for (int i = 0; i < int(std::size(Styles)); ++i) {
        const QRect place(8 + (i % 7) * 118, 8 + (i / 7) * 40, 110, 32);
        QWidget* button = addButton(factory,
                                    QStringLiteral("BTYPE=%1\nTX=%2\nFONT=DejaVu Sans,9,0,0,0,0\nCOLTYPE=1\n")
                                        .arg(Styles[i])
                                        .arg(styleCaption(Styles[i])),
                                    place);
        if (!m_first)
            m_first = button;
    }
    for (int i = 0; i < int(std::size(Symbols)); ++i)
        addButton(
            factory,
            QStringLiteral("BTYPE=14\nCOLTYPE=2\nBCOL=12632256\nFCOL=0\nFONT=Wingdings,18,0,0,0,2\nTX=%1\n")
                .arg(QChar(Symbols[i])),
            QRect(8 + i * 53, 96, 49, 33));
    for (int i = 0; i < 7; ++i)
        addButton(
            factory,
            QStringLiteral("BTYPE=%1\nTX=&Disabled\nENAB=False\nFONT=DejaVu Sans,9,0,0,0,0\n").arg(Styles[i]),
            QRect(8 + i * 118, 140, 110, 32));
}

QWidget* DemoWindow::addButton(brizel::BrizelFactory& factory, const QString& properties, QRect geometry) {
    QWidget* widget = factory.createControl(this);
    auto* control = qobject_cast<brizel::IBrizel*>(widget);
    if (!control)
        return widget;
    control->setContainer(&m_container);
    control->ReadProperties(KeyedPropertyBag::fromText(properties));
    widget->setGeometry(geometry);
    return widget;
}

void DemoWindow::showAbout() {
    auto* control = qobject_cast<brizel::IBrizel*>(m_first);
    if (!control)
        return;
    control->About();
    // Without a window manager every window opens at the origin; put the about window below this one.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("frmAbout"))
            top->move(frameGeometry().left(), frameGeometry().bottom() + 24);
}
