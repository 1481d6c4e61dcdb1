#include "color/frmColor.h"

#include "core/Forms.h"

#include <QCloseEvent>
#include <QPointer>

frmColor* frmColor::instance() {
    static QPointer<frmColor> window;
    if (!window)
        window = new frmColor;
    return window;
}

frmColor::frmColor() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmColor"));
    setFixedSize(626, 169);
    Forms::add(this);
}

void frmColor::closeEvent(QCloseEvent* event) {
    Forms::remove(this);
    event->accept();
}
