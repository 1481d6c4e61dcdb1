#include "info/frmInfo.h"

#include "base/VbConvert.h"
#include "core/Allgemein.h"
#include "core/Forms.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

QLabel* frmInfo::pictureLabel(const QString& resource) {
    auto* label = new QLabel(this);
    label->setPixmap(QPixmap(resource));
    return label;
}

frmInfo* frmInfo::instance() {
    static QPointer<frmInfo> window;
    if (!window)
        window = new frmInfo;
    return window;
}

frmInfo::frmInfo() : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmInfo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet(QStringLiteral("frmInfo { background: white; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(pictureLabel(QStringLiteral(":/art/frmInfo/picture0.png")), 0, Qt::AlignHCenter);
    auto* title = new QLabel(QStringLiteral("Pinsola\nVersion %1.%2.%3")
                                 .arg(PINSOLA_VERSION_MAJOR)
                                 .arg(PINSOLA_VERSION_MINOR)
                                 .arg(PINSOLA_VERSION_PATCH),
                             this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(12);
    title->setFont(bold);
    title->setAlignment(Qt::AlignHCenter);
    layout->addWidget(title);
    layout->addWidget(pictureLabel(QStringLiteral(":/art/frmInfo/picture1.png")), 0, Qt::AlignHCenter);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
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
        emit mainWindowWanted();
    }
    event->accept();
}
