#include "draw/frmDraw.h"

#include "core/Forms.h"

#include "platform/Twips.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPointer>

namespace {
constexpr int kDesignWidth = 12435;
constexpr int kDesignHeight = 9360;
} // namespace

frmDraw* frmDraw::instance() {
    static QPointer<frmDraw> window;
    if (!window)
        window = new frmDraw;
    return window;
}

// A fixed single border without title text, control box or minimize and maximize buttons: the exit
// button is the way out.
frmDraw::frmDraw()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmDraw"));
    setFixedSize(Twips::toPixelsX(kDesignWidth), Twips::toPixelsY(kDesignHeight));
    m_background.load(QStringLiteral(":/art/frmDraw/background.jpg"));
    Forms::add(this);
}

void frmDraw::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(rect(), m_background);
}

void frmDraw::closeEvent(QCloseEvent* event) {
    Forms::remove(this);
    event->accept();
}
