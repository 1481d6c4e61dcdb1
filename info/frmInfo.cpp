#include "info/frmInfo.h"

#include "core/Allgemein.h"
#include "core/Forms.h"
#include "draw/frmDraw.h"
#include "platform/VbConvert.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

frmInfo* frmInfo::instance() {
    static QPointer<frmInfo> window;
    if (!window)
        window = new frmInfo;
    return window;
}

frmInfo::frmInfo() : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmInfo"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Pinsola"), this);
    layout->addWidget(title);
    Forms::add(this);
    if (Allgemein::StartupInfo) {
        Allgemein::StartupInfo = VbConvert::False;
        QTimer::singleShot(2500, this, &QWidget::close);
    }
}

void frmInfo::closeEvent(QCloseEvent* event) {
    Forms::remove(this);
    if (!Allgemein::MainShown) {
        Allgemein::MainShown = VbConvert::True;
        frmDraw::instance()->show();
    }
    event->accept();
}
