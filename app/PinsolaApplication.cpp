// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PinsolaApplication.h"

#include "base/SystemColorTable.h"
#include "base/VbError.h"
#include "core/Allgemein.h"
#include "errors/ErrPtnr.h"
#include "errors/ErrorTrap.h"
#include "platform/SessionBusWarmUp.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <exception>
#include <utility>

namespace {
// Called while the application object is made, once its display platform is loaded: the session bus is
// connected while the rest of it and the start screen are made.
void connectSessionBusEarly() {
    SessionBusWarmUp::start();
}
} // namespace
Q_COREAPP_STARTUP_FUNCTION(connectSessionBusEarly)

PinsolaApplication::PinsolaApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Pinsola"));
    // The desktop entry's name: on Wayland the windows' application id, which docks match to the launcher
    // (on X11 they match the class "Pinsola" the application name gives the windows).
    setDesktopFileName(QStringLiteral("org.example.pinsola"));
    setPalette(SystemColorTable::standardPalette());
    installEventFilter(&m_repeatedAnswerKeys);
    // Nobody answers an error window at the session's end or on a signal: what fails is logged only, and
    // the program still ends.
    connect(this, &QGuiApplication::commitDataRequest, this, [] {
        const bool before = ErrPtnr::unattended();
        ErrPtnr::setUnattended(true);
        Allgemein::SaveConfig();
        ErrPtnr::setUnattended(before);
    });
    connect(&m_termination, &TerminationSignal::received, this, [] {
        ErrPtnr::setUnattended(true);
        Allgemein::EndProgram();
        exit(0);
    });
}

bool PinsolaApplication::notify(QObject* receiver, QEvent* event) {
    const QPointer<QObject> alive(receiver);
    const QMetaObject* meta = receiver->metaObject();
    std::exception_ptr escaped;
    try {
        return QApplication::notify(receiver, event);
    } catch (const VbError&) {
        escaped = std::current_exception();
    } catch (const std::exception&) {
        escaped = std::current_exception();
    }
    // Neither procedure nor module is known here, so the error window names the event's receiver. The
    // trap's first statement is the delivery that failed; Retry delivers the event once more.
    const QString className = QString::fromLatin1(meta->className());
    const QString name = alive && !alive->objectName().isEmpty() ? alive->objectName() : className;
    ErrorTrap trap(name, className);
    bool handled = false;
    trap(0, [&] {
        if (escaped)
            std::rethrow_exception(std::exchange(escaped, nullptr));
        if (alive)
            handled = QApplication::notify(receiver, event);
    });
    return handled;
}

bool PinsolaApplication::anyWindowShown() {
    const QWidgetList windows = topLevelWidgets();
    // The error window stays up a moment after its decision, until the program has gone on: it then counts
    // as gone.
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* w) {
        const auto* errorWindow = qobject_cast<const ErrPtnr*>(w);
        return w->isVisible() && (!errorWindow || errorWindow->awaitsDecision());
    });
}
