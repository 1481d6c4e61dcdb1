// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/frmInfo.h"

#include "base/Addresses.h"
#include "base/Licence.h"
#include "base/VbConvert.h"
#include "controls/Edge3D.h"
#include "controls/ImageControl.h"
#include "controls/Twips.h"
#include "core/Allgemein.h"
#include "core/Resources.h"
#include "errors/ErrorTrap.h"
#include "platform/LanguageChange.h"
#include "platform/ProgramVersion.h"
#include "platform/Shell.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>
#include <future>

using namespace Allgemein;

namespace {

const QString Module = QStringLiteral("frmInfo");
constexpr int StartScreenMilliseconds = 2500;
const QColor LinkPressed(255, 0, 0);
const QColor LinkReleased(0, 0, 255);

const KeyedPropertyBag& pictureBag(const StoredForm& form, size_t index) {
    return form.control(QStringLiteral("imgPicture(%1)").arg(index));
}

// Every picture the window's design names (its two large pictures and the flags'), decoded, by path.
QHash<QString, QImage> decodedPictures(const StoredForm& form) {
    QHash<QString, QImage> pictures;
    for (const QString& control : form.controls())
        if (const QString path = ProgramWindow::text(form.control(control), "picture"); !path.isEmpty())
            pictures.insert(path, Resources::picture(path));
    return pictures;
}

using DecodedPictures = std::future<QHash<QString, QImage>>;

DecodedPictures& picturesAhead() {
    static DecodedPictures decoding;
    return decoding;
}

DecodedPictures startDecoding(const StoredForm& form) {
    return std::async(std::launch::async, &decodedPictures, std::cref(form));
}

void setTextColor(QLabel* label, const QColor& color) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, color);
    label->setPalette(colours);
}

} // namespace

frmInfo* frmInfo::instance() {
    return loadedInstance<frmInfo>();
}

const StoredForm& frmInfo::design() {
    static const StoredForm form = StoredForm::load(QStringLiteral(":/forms/frmInfo.frm"));
    return form;
}

// A fixed window without a title bar: OK, the timer or the menu's owner closes it.
frmInfo::frmInfo() : ProgramWindow(QStringLiteral("frmInfo"), Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QString::fromLatin1(AppTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    ErrorTrap trap(QStringLiteral("Form_Load"), Module);
    trap(0, [this] { createControls(); });
    const KeyedPropertyBag& bag = design().control(QStringLiteral("frmInfo"));
    m_backColor = StoredForm::color(bag, QStringLiteral("backcolor"), Qt::white);
    setFixedSize(Twips::toPixelsX(StoredForm::number(bag, QStringLiteral("clientwidth"))),
                 Twips::toPixelsY(StoredForm::number(bag, QStringLiteral("clientheight"))));
    nameControls();
}

// Started before the single-instance lock and the settings are read: decoding first looks through Qt's
// image plugins under a lock that the start screen's first widgets need for the style plugins, and has
// mostly done so before they are made.
void frmInfo::decodePicturesAhead() {
    const StoredForm& form = design();
    picturesAhead() = startDecoding(form);
}

// The window's pictures, the two large ones and the flags, are decoded on another core while its labels
// are made, whose first text starts the accessibility bridge: the start screen is on the screen that much
// sooner.
void frmInfo::createControls() {
    const StoredForm& form = design();
    DecodedPictures decoding = picturesAhead().valid() ? std::move(picturesAhead()) : startDecoding(form);
    for (size_t i = 0; i < imgPicture.size(); ++i) {
        imgPicture[i] = new QLabel(this);
        imgPicture[i]->setObjectName(QStringLiteral("imgPicture(%1)").arg(i));
        imgPicture[i]->setGeometry(Twips::toPixels(StoredForm::twipsRect(pictureBag(form, i))));
    }
    createLabels(form);
    const KeyedPropertyBag& ok = form.control(QStringLiteral("cmdOK"));
    cmdOK = new QPushButton(text(ok, "caption"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Twips::toPixels(StoredForm::twipsRect(ok)));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmInfo::cmdOK_Click);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &frmInfo::Timer1_Timer);
    const QHash<QString, QImage> pictures = decoding.get();
    for (size_t i = 0; i < imgPicture.size(); ++i)
        imgPicture[i]->setPixmap(QPixmap::fromImage(pictures.value(text(pictureBag(form, i), "picture"))));
    imgLang = createFlags(
        form, this, [this](int16_t index) { imgLang_Click(index); },
        [&pictures](const QString& path) { return pictures.value(path); });
    for (ImageControl* flag : imgLang)
        if (flag)
            flag->hide();
    // OK keeps the focus the window gives; Tab leads on to the flags.
    ImageControl::joinTabOrder(cmdOK, imgLang);
}

void frmInfo::createLabels(const StoredForm& form) {
    for (size_t i = 0; i < Label.size(); ++i) {
        const KeyedPropertyBag& bag = form.control(QStringLiteral("Label(%1)").arg(i));
        Label[i] = new QLabel(this);
        Label[i]->setObjectName(QStringLiteral("Label(%1)").arg(i));
        Label[i]->setFont(StoredForm::font(bag, font()));
        Label[i]->setWordWrap(true);
        Label[i]->setGeometry(Twips::toPixels(StoredForm::twipsRect(bag)));
    }
    const KeyedPropertyBag& link = form.control(QStringLiteral("lblHomepage"));
    lblHomepage = new QLabel(QString::fromLatin1(Addresses::WebPage), this);
    lblHomepage->setObjectName(QStringLiteral("lblHomepage"));
    lblHomepage->setFont(StoredForm::font(link, font()));
    setTextColor(lblHomepage, StoredForm::color(link, QStringLiteral("forecolor"), Qt::blue));
    lblHomepage->setCursor(Qt::PointingHandCursor);
    lblHomepage->setGeometry(Twips::toPixels(StoredForm::twipsRect(link)));
    lblHomepage->installEventFilter(this);
    const KeyedPropertyBag& licence = form.control(QStringLiteral("lblLicence"));
    lblLicence = new QLabel(QString::fromLatin1(Licence::Line), this);
    lblLicence->setObjectName(QStringLiteral("lblLicence"));
    lblLicence->setFont(StoredForm::font(licence, font()));
    lblLicence->setGeometry(Twips::toPixels(StoredForm::twipsRect(licence)));
}

// What a screen reader says of the pictures, the flags and the link; the labels are read as they show.
void frmInfo::nameControls() {
    ErrorTrap trap(QStringLiteral("nameControls"), Module);
    trap.run({
        {10, [this] { imgPicture[0]->setAccessibleName(GetLang(Text::ProgramName)); }},
        {20, [this] { imgPicture[1]->setAccessibleName(GetLang(Text::Flowers)); }},
        {30,
         [this] {
             const QString description = GetLang(Text::FlagHint);
             for (ImageControl* flag : imgLang)
                 if (flag)
                     flag->setAccessibleDescription(description);
         }},
        {40,
         [this] {
             lblHomepage->setAccessibleName(GetLang(Text::WebPageTip));
             lblHomepage->setAccessibleDescription(lblHomepage->text());
         }},
    });
}

void frmInfo::Form_Load() {
    ErrorTrap trap(QStringLiteral("Form_Load"), Module);
    trap.run({
        {10,
         [this] {
             const QScreen* screen = QGuiApplication::primaryScreen();
             if (!screen)
                 return;
             const QRect area = screen->geometry();
             move(area.x() + static_cast<int>(std::floor((area.width() - width()) / 2.0)),
                  area.y() + static_cast<int>(std::floor((area.height() - height()) / 2.0)));
         }},
        {20,
         [this] {
             const bool startScreen = MainShown == VbConvert::False;
             Label[2]->setVisible(startScreen);
             for (ImageControl* flag : imgLang)
                 if (flag)
                     flag->setVisible(startScreen);
         }},
        {30,
         [this] {
             if (StartupInfo) {
                 Timer1->start(StartScreenMilliseconds);
                 StartupInfo = VbConvert::False;
             }
         }},
        // The texts are there before the window first becomes active, where a system activates late.
        {40, [this] { Sprache(); }},
    });
}

void frmInfo::Form_Activate() {
    Sprache();
}

void frmInfo::Sprache() {
    ErrorTrap trap(QStringLiteral("Sprache"), Module);
    trap.run({
        {10,
         [this] {
             Label[0]->setText(GetLang(Text::ProgramName) + QStringLiteral("  ") +
                               Resources::LoadResString(Resources::EditionString) + QLatin1Char('\n') +
                               ProgramVersion::current().padded());
         }},
        {20, [this] { Label[1]->setText(GetLang(Text::Purpose)); }},
        {30, [this] { Label[2]->setText(GetLang(Text::ChooseLanguage)); }},
    });
}

void frmInfo::cmdOK_Click() {
    ErrorTrap trap(QStringLiteral("cmdOK_Click"), Module);
    trap.run({
        {10, [this] { showMainWindowOnce(); }},
        {20, [this] { close(); }},
    });
}

void frmInfo::Timer1_Timer() {
    ErrorTrap trap(QStringLiteral("Timer1_Timer"), Module);
    trap.run({
        {10, [this] { Timer1->stop(); }},
        {20, [this] { cmdOK_Click(); }},
    });
}

void frmInfo::imgLang_Click(int16_t Index) {
    ErrorTrap trap(QStringLiteral("imgLang_Click"), Module);
    const auto changes = trap.condition(10, [Index] { return LangIndex != Index; });
    if (!changes || !*changes)
        return;
    trap.run({{20, [Index] { LangIndex = Index; }},
              {30, [Index] { StoreChoice(QStringLiteral("Sprache"), Index, 0); }},
              {40, [this] { Sprache(); }},
              {50, [] { LanguageChange::announce(LangCode()); }}});
}

void frmInfo::lblHomepage_Click() {
    ErrorTrap trap(QStringLiteral("lblHomepage_Click"), Module);
    trap(10, [] { Shell::execute(QString::fromLatin1(Addresses::WebPage)); });
}

void frmInfo::lblHomepage_MouseDown() {
    ErrorTrap trap(QStringLiteral("lblHomepage_MouseDown"), Module);
    trap(10, [this] { setTextColor(lblHomepage, LinkPressed); });
}

void frmInfo::lblHomepage_MouseUp() {
    ErrorTrap trap(QStringLiteral("lblHomepage_MouseUp"), Module);
    trap(10, [this] { setTextColor(lblHomepage, LinkReleased); });
}

// However the start screen closes, the drawing window follows: a program without a visible window
// could neither be used nor ended.
void frmInfo::showMainWindowOnce() {
    if (MainShown)
        return;
    MainShown = VbConvert::True;
    emit mainWindowWanted();
}

void frmInfo::closeEvent(QCloseEvent* event) {
    showMainWindowOnce();
    unload(event);
}

bool frmInfo::eventFilter(QObject* watched, QEvent* event) {
    if (watched != lblHomepage)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        m_linkPressed = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        lblHomepage_MouseDown();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool click = m_linkPressed && mouse->button() == Qt::LeftButton &&
                           lblHomepage->rect().contains(mouse->position().toPoint());
        m_linkPressed = false;
        lblHomepage_MouseUp();
        if (click)
            lblHomepage_Click();
        return true;
    }
    return false;
}

void frmInfo::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
    Edge3D::drawEdge(painter, {0, 0, width(), height()}, Edge3D::Raised);
}
