// SPDX-License-Identifier: GPL-3.0-or-later
#include "errors/ErrPtnr.h"

#include "base/Addresses.h"
#include "controls/MsgBox.h"
#include "controls/Twips.h"
#include "errors/Err.h"
#include "formats/Cp1252.h"
#include "platform/LinePrinter.h"
#include "platform/ProgramFolder.h"
#include "platform/ProgramVersion.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSaveFile>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>

Q_LOGGING_CATEGORY(lcErrPtnr, "pinsola.errors")

namespace {
const QString kCrLf = QStringLiteral("\r\n");
constexpr int kFrameWidth = 7215;
constexpr qint64 kLogLimit = 1024 * 1024;

enum FrameIndex { framComment, framFehler, framProgInfo, framProtocol, framContinue };
constexpr std::array<int, 5> kFrameHeights = {975, 1695, 615, 855, 855};
constexpr std::array<int, 4> kRowTops = {240, 960, 1200, 1440};
constexpr std::array<int, 4> kButtonLefts = {240, 2040, 3840, 5640};
constexpr int kLabelHeight = 255;
// The layout is measured for the classic 8-point dialog font.
constexpr int kDialogFontTwips = 150;

const QString kNotice =
    QStringLiteral("There is a problem. Please contact the author if this problem appears again.") + kCrLf +
    QStringLiteral("Es liegt ein Problem vor, mit dem Sie sich an den technischen Support wenden sollten, "
                   "falls es wiederholt auftritt.");

bool& unattendedFlag() {
    static bool flag = false;
    return flag;
}

std::function<bool()>& endConsent() {
    static std::function<bool()> consent;
    return consent;
}

QRect twipsRect(int left, int top, int width, int height) {
    return {Twips::toPixelsX(left), Twips::toPixelsY(top), Twips::toPixelsX(width), Twips::toPixelsY(height)};
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QRect& geometry, bool wrap = false) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The row values of the error being handled: number and description, module, procedure, line mark.
std::array<QString, 4> errorRows(const QString& procedureName, const QString& moduleName) {
    return {QStringLiteral("%1 (%2)").arg(Err().Number).arg(Err().Description), moduleName, procedureName,
            QString::number(Err().Erl)};
}

// Message texts where the user's screen shows a CR LF pair as one line break.
QString shown(const QString& text) {
    return QString(text).replace(kCrLf, QStringLiteral("\n"));
}
} // namespace

ErrPtnr& ErrPtnr::instance() {
    static ErrPtnr* window = new ErrPtnr;
    return *window;
}

ErrPtnr::ErrPtnr() : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("ErrPtnr"));
    setWindowTitle(QStringLiteral("Fehler / Error! "));
    setModal(true);
    QFont dialogFont = font();
    dialogFont.setPixelSize(Twips::toPixelsY(kDialogFontTwips));
    setFont(dialogFont);
    createFrames();
}

void ErrPtnr::createFrames() {
    const std::array<QString, 5> captions = {
        QString(), QStringLiteral("Fehlerbeschreibung / error description:"),
        QStringLiteral("Programm-Info:"), QStringLiteral("Fehlerprotokoll ... / error protocoll..."),
        QStringLiteral("Weiterer Programmablauf... / Continue...")};
    const std::array<const char*, 5> names = {"framComment", "framFehler", "framProgInfo", "framProtocol",
                                              "framContinue"};
    for (size_t i = 0; i < m_frames.size(); ++i) {
        m_frames[i] = new QGroupBox(captions[i], this);
        m_frames[i]->setObjectName(QLatin1String(names[i]));
        m_frames[i]->setGeometry(twipsRect(0, 0, kFrameWidth, kFrameHeights[i]));
        m_frames[i]->hide();
    }
    // The notice's frame shows no title; a screen reader still needs a name for it.
    m_frames[framComment]->setAccessibleName(QStringLiteral("Hinweis / Notice"));
    m_lblComment =
        makeLabel(m_frames[framComment], QStringLiteral("lblComment"), twipsRect(120, 240, 6855, 615), true);
    createErrorRows(m_frames[framFehler]);
    m_lblProgInfo = makeLabel(m_frames[framProgInfo], QStringLiteral("lblProgInfo"),
                              twipsRect(30, 240, 7110, kLabelHeight));
    m_lblProgInfo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    createButtons(m_frames[framProtocol], m_cmdProtocol, QStringLiteral("cmdProtocol"),
                  {QStringLiteral("&Drucken/Print"), QStringLiteral("&Speichern/Save"),
                   QStringLiteral("&EMail"), QStringLiteral("&WWW")});
    createButtons(m_frames[framContinue], m_cmdContinue, QStringLiteral("cmdContinue"),
                  {QStringLiteral("Wieder&holen Retry"), QStringLiteral("&Ignorieren   Ignore"),
                   QStringLiteral("&Abbrechen Cancel"), QStringLiteral("&Beenden       End")});
    m_cmdContinue[Ignore]->setDefault(true);
    for (int i = 0; i < 4; ++i) {
        connect(m_cmdProtocol[i], &QPushButton::clicked, this, [this, i] { cmdProtocol_Click(i); });
        connect(m_cmdContinue[i], &QPushButton::clicked, this, [this, i] { cmdContinue_Click(i); });
    }
    QWidget* previous = m_cmdProtocol[0];
    for (QPushButton* next : {m_cmdProtocol[1], m_cmdProtocol[2], m_cmdProtocol[3], m_cmdContinue[0],
                              m_cmdContinue[1], m_cmdContinue[2], m_cmdContinue[3]}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void ErrPtnr::createErrorRows(QGroupBox* frame) {
    const std::array<QString, 4> titles = {QStringLiteral("Fehler-Nr / error :"), QStringLiteral("Modul:"),
                                           QStringLiteral("Prozedur / procedure:"),
                                           QStringLiteral("Zeile / Line:")};
    for (int i = 0; i < 4; ++i) {
        m_lblErrTitel[i] = makeLabel(frame, QStringLiteral("lblErrTitel(%1)").arg(i),
                                     twipsRect(120, kRowTops[i], 1800, kLabelHeight));
        m_lblErrTitel[i]->setText(titles[i]);
        m_lblError[i] = makeLabel(frame, QStringLiteral("lblError(%1)").arg(i),
                                  twipsRect(1920, kRowTops[i], 5205, i == 0 ? 675 : kLabelHeight), i == 0);
    }
}

// The captions were laid out for a narrow dialog font: where a wider font would cut one off, the button
// gets a smaller font, never below 7 pixels.
void ErrPtnr::fitCaption(QPushButton* button) {
    QString text = button->text();
    text.remove(QLatin1Char('&'));
    QFont fitted = button->font();
    const int room = button->width() - 8;
    while (fitted.pixelSize() > 7 && QFontMetrics(fitted).horizontalAdvance(text) > room)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    button->setFont(fitted);
}

void ErrPtnr::createButtons(QGroupBox* frame, std::array<QPushButton*, 4>& buttons, const QString& name,
                            const QStringList& captions) {
    for (int i = 0; i < 4; ++i) {
        buttons[i] = new QPushButton(captions.at(i), frame);
        buttons[i]->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(i));
        buttons[i]->setGeometry(twipsRect(kButtonLefts[i], 240, 1335, 495));
        buttons[i]->setAutoDefault(false);
        buttons[i]->setStyleSheet(QStringLiteral("padding: 0px"));
        fitCaption(buttons[i]);
        buttons[i]->hide();
    }
}

int16_t ErrPtnr::OnError(const QString& procedureName, const QString& moduleName) {
    if (unattended())
        return protocolOnly(procedureName, moduleName, Ignore);
    if (m_deciding)
        return protocolOnly(procedureName, moduleName, Cancel);
    setErrorRows(errorRows(procedureName, moduleName));
    if (m_lblProgInfo->text().isEmpty())
        m_lblProgInfo->setText(defaultProgInfo());
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    ArrangeFrames();
    AppendProtocolLog();
    QApplication::beep();
    qCWarning(lcErrPtnr).noquote() << "error" << Err().Number << Err().Description << "in" << moduleName
                                   << procedureName << "line" << Err().Erl;
    if (const auto& shown = shownSeam.standIn())
        QTimer::singleShot(0, this, [this, shown] { shown(*this); });
    const QScopedValueRollback<bool> deciding(m_deciding, true);
    // Ended without a decision (the session ends, the program quits): the failing procedure is left rather
    // than retried, which would fail again at once, for ever.
    if (!waitForDecision())
        return Cancel;
    return m_chosenAction;
}

// Shown above the program's other windows and active, the keyboard on Ignore, until an action button is
// pressed. It is hidden only once the program has gone on: an error that follows at once finds it still
// up, where hiding and showing it again would race a window manager, which then leaves it unframed where
// its frame was while its picture stays where it was, so that no click reaches its buttons.
bool ErrPtnr::waitForDecision() {
    QEventLoop decision;
    m_decision = &decision;
    m_decided = false;
    show();
    keepOnTop();
    m_cmdContinue[Ignore]->setFocus(Qt::ActiveWindowFocusReason);
    QCoreApplication::instance()->installEventFilter(this);
    decision.exec(QEventLoop::DialogExec);
    QCoreApplication::instance()->removeEventFilter(this);
    m_decision = nullptr;
    QTimer::singleShot(0, this, [this] {
        if (!m_deciding)
            hide();
    });
    return m_decided;
}

void ErrPtnr::keepOnTop() {
    raise();
    activateWindow();
}

// Without a window manager the window shown last lies on top: a window of the program shown while the
// user decides (a timer's, a repaint's) puts the error window back above it.
bool ErrPtnr::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched != this && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow())
        QTimer::singleShot(0, this, [this] {
            if (m_decision)
                keepOnTop();
        });
    return QDialog::eventFilter(watched, event);
}

// The rows are the window's description too, which a screen reader reads out as the window comes up.
void ErrPtnr::setErrorRows(const std::array<QString, 4>& values) {
    QStringList rows;
    for (int i = 0; i < 4; ++i) {
        m_lblError[i]->setText(values[i]);
        rows << m_lblErrTitel[i]->text() + u' ' + values[i];
    }
    for (int i = 1; i < 4; ++i)
        m_lblError[i]->adjustSize();
    setAccessibleDescription(rows.join(u'\n'));
}

// An error raised behind the modal window (a timer, a repaint) while the user still decides on an
// earlier one cannot be shown a second time, and answering it with the last decision could retry it
// forever. It goes to the log, its procedure is left, and the window keeps showing the earlier error.
// An error while nobody is there to answer goes to the log alike.
int16_t ErrPtnr::protocolOnly(const QString& procedureName, const QString& moduleName, int16_t action) {
    std::array<QString, 4> shown;
    for (int i = 0; i < 4; ++i)
        shown[i] = m_lblError[i]->text();
    setErrorRows(errorRows(procedureName, moduleName));
    if (m_lblProgInfo->text().isEmpty())
        m_lblProgInfo->setText(defaultProgInfo());
    AppendProtocolLog();
    qCWarning(lcErrPtnr).noquote() << "error" << Err().Number << Err().Description << "in" << moduleName
                                   << procedureName << "line" << Err().Erl << "(logged, not shown)";
    setErrorRows(shown);
    return action;
}

void ErrPtnr::ArrangeFrames() {
    m_frames[framComment]->show();
    m_frames[framComment]->move(0, 0);
    int runningTop = kFrameHeights[framComment];
    m_lblComment->setText(kNotice);
    for (int i : {framFehler, framProgInfo, framProtocol}) {
        m_frames[i]->show();
        m_frames[i]->move(0, Twips::toPixelsY(runningTop));
        runningTop += kFrameHeights[i];
    }
    for (QPushButton* button : m_cmdProtocol)
        button->show();
    m_frames[framContinue]->show();
    m_frames[framContinue]->move(0, Twips::toPixelsY(runningTop));
    runningTop += kFrameHeights[framContinue];
    for (QPushButton* button : m_cmdContinue)
        button->show();
    setFixedSize(m_frames[framFehler]->width(), Twips::toPixelsY(runningTop));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - frameGeometry().width()) / 2,
             area.y() + (area.height() - frameGeometry().height()) / 2);
    }
}

void ErrPtnr::SetProgInfo(const QString& text) {
    m_lblProgInfo->setText(text);
}

QString ErrPtnr::LPSTRToVBString(const QString& buffer) {
    return ErrProtocol::LPSTRToVBString(buffer);
}

QString ErrPtnr::defaultProgInfo() const {
    return ProgramFolder::programName() + QStringLiteral("  V") + ProgramVersion::current().plain();
}

// End refused (a kiosk session's sum not answered) is no decision: the window waits for another one.
void ErrPtnr::cmdContinue_Click(int index) {
    if (index == End && endConsent() && !endConsent()())
        return;
    m_chosenAction = static_cast<int16_t>(index);
    m_decided = true;
    if (m_decision)
        m_decision->quit();
}

QString ErrPtnr::BuildProtocol() const {
    ErrProtocolData protocol;
    protocol.progInfoCaption = m_frames[framProgInfo]->title();
    protocol.progInfo = m_lblProgInfo->text();
    protocol.errorCaption = m_frames[framFehler]->title();
    for (int i = 0; i < 4; ++i) {
        protocol.titles[i] = m_lblErrTitel[i]->text();
        protocol.values[i] = m_lblError[i]->text();
    }
    const auto& clock = clockSeam.standIn();
    protocol.when = clock ? clock() : QDateTime::currentDateTime();
    const auto& system = systemVersionSeam.standIn();
    protocol.system = system ? *system : SystemVersion::current();
    return ErrProtocol::build(protocol);
}

QString ErrPtnr::folderWithSeparator() const {
    QString folder = ProgramFolder::writablePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString ErrPtnr::protocolLogPath() const {
    return folderWithSeparator() + ProgramFolder::programName() + ".EPT";
}

QString ErrPtnr::protocolFilePath() const {
    return folderWithSeparator() + ProgramFolder::programName() + ".ERR";
}

// A log that only ever grows would in the end fill the disk: past its limit it moves aside, replacing
// the log moved aside before, and a new one starts.
void ErrPtnr::startNewLogWhenFull() const {
    const QString path = protocolLogPath();
    if (QFileInfo(path).size() <= kLogLimit)
        return;
    const QString previous = path + QStringLiteral(".old");
    QFile::remove(previous);
    if (!QFile::rename(path, previous))
        qCWarning(lcErrPtnr) << "cannot move the full error log aside to" << previous;
}

void ErrPtnr::AppendProtocolLog() {
    startNewLogWhenFull();
    // A named pipe in the log's place would hold the error window until something reads it.
    const QFileInfo existing(protocolLogPath());
    if (existing.exists() && !existing.isFile()) {
        qCWarning(lcErrPtnr) << "cannot append to the error log" << existing.filePath() << "it is not a file";
        return;
    }
    QFile log(protocolLogPath());
    if (!log.open(QIODevice::Append) || log.write(Cp1252::encode(BuildProtocol() + kCrLf)) < 0)
        qCWarning(lcErrPtnr) << "cannot append to the error log" << log.fileName() << log.errorString();
}

void ErrPtnr::cmdProtocol_Click(int index) {
    switch (index) {
    case 0:
        printProtocol();
        break;
    case 1:
        saveProtocol();
        break;
    case 2:
        mailProtocol();
        break;
    case 3:
        webProtocol();
        break;
    default:
        break;
    }
}

void ErrPtnr::printProtocol() {
    if (!LinePrinter::print(ErrProtocol::printLines(BuildProtocol()), windowTitle()))
        MsgBox::show(this,
                     QStringLiteral("Das Fehlerprotokoll konnte nicht gedruckt werden: kein Drucker bereit.\n"
                                    "The error protocol could not be printed: no printer is ready."),
                     MsgBox::Buttons::Ok);
}

void ErrPtnr::saveProtocol() {
    const QString name = protocolFilePath();
    if (QFile::exists(name) &&
        MsgBox::show(this,
                     shown(QStringLiteral("Vorhandene Datei '") + name + QStringLiteral("' überschreiben?") +
                           kCrLf + QStringLiteral("Overwrite file '") + name + QStringLiteral("' ?")),
                     MsgBox::Buttons::YesNo) != MsgBox::AnswerYes)
        return;
    // Written beside the old file and renamed over it, so a failed write leaves the old protocol whole.
    QSaveFile file(name);
    const QByteArray bytes = Cp1252::encode(BuildProtocol() + kCrLf);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        MsgBox::show(this,
                     shown(QStringLiteral("Die Datei '") + name +
                           QStringLiteral("' konnte nicht geschrieben werden!") + kCrLf +
                           QStringLiteral("File '") + name + QStringLiteral("' could not be written!")),
                     MsgBox::Buttons::Ok);
        return;
    }
    MsgBox::show(this,
                 shown(QStringLiteral("Das Fehlerprotokoll wurde in die Datei '") + name +
                       QStringLiteral("' geschrieben!") + kCrLf +
                       QStringLiteral("Error protocoll was written to file '") + name + QStringLiteral("'!")),
                 MsgBox::Buttons::Ok);
}

void ErrPtnr::mailProtocol() {
    const QStringList notice = {
        QStringLiteral(
            "Es wird jetzt Ihr Standard-Email-Programm aufgerufen. Die Fehlerbeschreibung sowie das "
            "Fehlerprotokoll"),
        QStringLiteral("wurden zu Ihrer Bequemlichkeit in die Zwischenablage kopiert."),
        QString(),
        QStringLiteral("Bitte fügen Sie den Inhalt der Zwischenablage in Ihre Email ein, indem Sie in Ihrem "
                       "Email-Programm"),
        QStringLiteral(
            "die Tasten [Strg] und [Einfg] gleichzeitig betätigen. Alternativ können Sie den Inhalt in "
            "die EMail"),
        QStringLiteral("einfügen, indem Sie den Befehl 'Einfügen' aus dem Menü 'Bearbeiten' ausführen."),
        QString(),
        QString(),
        QStringLiteral("Your email application will be started. The error description will be copied to the "
                       "clipboard."),
        QString(),
        QStringLiteral(
            "Please insert the contents of the clipboard into the message body by using Ctrl + V or "),
        QStringLiteral("use the menu or toolbar command of your email program. ")};
    MsgBox::show(this, notice.join(QLatin1Char('\n')), MsgBox::Buttons::Ok);
    QGuiApplication::clipboard()->clear();
    QGuiApplication::clipboard()->setText(BuildProtocol());
    Shell::open(QStringLiteral("mailto:") + QString::fromLatin1(Addresses::SupportMail).trimmed());
}

void ErrPtnr::webProtocol() {
    QGuiApplication::clipboard()->clear();
    QGuiApplication::clipboard()->setText(BuildProtocol());
    Shell::open(QString::fromLatin1(Addresses::WebPage));
}

// Only a decision closes it while it asks for one. Once answered it may close: the program's end closes
// every window still shown, and the error window refusing would keep the program running without one.
void ErrPtnr::closeEvent(QCloseEvent* event) {
    if (m_decision)
        event->ignore();
}

// Escape answers as the Cancel button does, while the window asks.
void ErrPtnr::reject() {
    if (m_decision)
        cmdContinue_Click(Cancel);
}

void ErrPtnr::setUnattended(bool unattended) {
    unattendedFlag() = unattended;
}

bool ErrPtnr::unattended() {
    return unattendedFlag();
}

void ErrPtnr::setEndConsent(std::function<bool()> consent) {
    endConsent() = std::move(consent);
}
