#include "draw/frmDraw.h"

#include "core/Forms.h"

#include <QCloseEvent>
#include <QPointer>

frmDraw* frmDraw::instance() {
    static QPointer<frmDraw> window;
    if (!window)
        window = new frmDraw;
    return window;
}

frmDraw::frmDraw() : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmDraw"));
    setWindowTitle(QStringLiteral("Pinsola"));
    resize(829, 624);
    Forms::add(this);
}

void frmDraw::closeEvent(QCloseEvent* event) {
    Forms::remove(this);
    event->accept();
}
