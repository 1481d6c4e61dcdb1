// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAbout.h"

#include "base/Addresses.h"
#include "base/Licence.h"

#include <QDesktopServices>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

namespace brizel {
namespace {

constexpr QRgb LinkColor = qRgb(0, 0, 192);
constexpr QRgb LinkHoverColor = qRgb(0, 0, 255);

bool openTarget(const QString& target) {
    if (const auto& opener = frmAbout::openSeam.standIn())
        return opener(target);
    return QDesktopServices::openUrl(QUrl(target));
}

QPixmap logo() {
    return QPixmap(QStringLiteral(":/brizel/resources/BrizelLogo.png"));
}

QLabel* namedLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

QString frmAbout::title() {
    return QStringLiteral("Brizel");
}

QString frmAbout::versionText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(BRIZEL_VERSION_MAJOR)
        .arg(BRIZEL_VERSION_MINOR)
        .arg(BRIZEL_VERSION_PATCH);
}

frmAbout* frmAbout::showAbout(QWidget* parent) {
    auto* window = new frmAbout(parent);
    window->show();
    return window;
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About ") + title());
    setMouseTracking(true);

    auto* picIcon = namedLabel(this, QStringLiteral("picIcon"), {});
    picIcon->setPixmap(logo());
    auto* lblTitle = namedLabel(this, QStringLiteral("lblTitle"), title());
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 4);
    lblTitle->setFont(titleFont);
    auto* lblDescription = namedLabel(
        this, QStringLiteral("lblDescription"),
        QStringLiteral(
            "A push button that draws itself in twelve styles, with picture, hover look and toggle "
            "behaviour."));
    lblDescription->setWordWrap(true);
    auto* cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1, 1, 2);
    grid->addWidget(namedLabel(this, QStringLiteral("lblVersion"), versionText()), 1, 1, 1, 2);
    grid->addWidget(namedLabel(this, QStringLiteral("Label3"), QStringLiteral("ActiveX Component")), 2, 1, 1,
                    2);
    grid->addWidget(lblDescription, 3, 1, 1, 2);
    grid->addWidget(makeLink(QStringLiteral("lblGoURL"), QString::fromLatin1(Addresses::WebPage),
                             QString::fromLatin1(Addresses::WebPage)),
                    4, 1, 1, 2);
    grid->addWidget(namedLabel(this, QStringLiteral("Label6"), QStringLiteral("Sales:")), 5, 1);
    grid->addWidget(makeLink(QStringLiteral("lblSendSales"), QString::fromLatin1(Addresses::SalesMail),
                             QStringLiteral("mailto:") + QString::fromLatin1(Addresses::SalesMail)),
                    5, 2);
    grid->addWidget(namedLabel(this, QStringLiteral("Label5"), QStringLiteral("Technical Support:")), 6, 1);
    grid->addWidget(makeLink(QStringLiteral("lblSendSupport"), QString::fromLatin1(Addresses::SupportMail),
                             QStringLiteral("mailto:") + QString::fromLatin1(Addresses::SupportMail)),
                    6, 2);
    grid->addWidget(namedLabel(this, QStringLiteral("lblLicence"), QString::fromLatin1(Licence::Line)), 7, 1,
                    1, 2);
    grid->addWidget(cmdOK, 8, 2, Qt::AlignRight);
    grid->setColumnMinimumWidth(1, 110);
    lblDescription->setMinimumWidth(300);
    setFixedSize(sizeHint());
}

QLabel* frmAbout::makeLink(const QString& name, const QString& text, const QString& target) {
    QLabel* link = namedLabel(this, name, text);
    link->setProperty("target", target);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    link->setCursor(Qt::PointingHandCursor);
    link->setMouseTracking(true);
    link->installEventFilter(this);
    setLinkColor(link, LinkColor);
    return link;
}

void frmAbout::setLinkColor(QLabel* link, QRgb color) {
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, QColor(color));
    link->setPalette(palette);
}

void frmAbout::resetLinks() {
    for (const char* name : {"lblGoURL", "lblSendSales", "lblSendSupport"})
        setLinkColor(findChild<QLabel*>(QLatin1String(name)), LinkColor);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    auto* link = qobject_cast<QLabel*>(watched);
    if (link && event->type() == QEvent::MouseMove) {
        setLinkColor(link, LinkHoverColor);
        return true; // the window behind must not see it, or it would reset the colour
    }
    if (link && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        openTarget(link->property("target").toString());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Escape closes it as OK does, and the window is unloaded. (OK's close comes here too, through the
// dialog's close event.)
void frmAbout::reject() {
    QDialog::reject();
    close();
}

void frmAbout::mouseMoveEvent(QMouseEvent* event) {
    resetLinks();
    QDialog::mouseMoveEvent(event);
}

} // namespace brizel
