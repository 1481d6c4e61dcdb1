// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/VbError.h"
#include "core/Allgemein.h"
#include "core/Forms.h"
#include "errors/HandlerEdge.h"
#include "errors/ProgramEnd.h"
#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QWidget>
#include <gtest/gtest.h>

using namespace Allgemein;

namespace {

// A window that notes when it is unloaded, and whether the options were saved by then.
class Recorder : public QWidget {
public:
    enum class Unload { Accept, Refuse, Fail };
    Recorder(QString name, QStringList& log, const TempHome& home, Unload unload = Unload::Accept)
        : m_name(std::move(name)), m_log(log), m_home(home), m_unload(unload) {
        Forms::add(this);
    }

protected:
    // A failing unload stops at the handler's edge, as in the program's windows.
    void closeEvent(QCloseEvent* event) override {
        m_log << m_name + (m_home.hasUserSettings() ? QStringLiteral(" after save")
                                                    : QStringLiteral(" before save"));
        if (m_unload == Unload::Refuse)
            event->ignore();
        if (!HandlerEdge::run(this, [this] {
                if (m_unload == Unload::Fail)
                    VbError::raise(VbErr::InvalidPropertyValue);
            }))
            event->ignore();
    }

private:
    QString m_name;
    QStringList& m_log;
    const TempHome& m_home;
    Unload m_unload;
};

TEST(EndProgram, SavesTheOptionsThenUnloadsTheWindowsNewestFirst) {
    TempHome home;
    ErrorScript script;
    QStringList log;
    new Recorder(QStringLiteral("draw"), log, home);
    new Recorder(QStringLiteral("preview"), log, home);
    new Recorder(QStringLiteral("color"), log, home);
    PenWidth = 7;
    EndProgram();
    EXPECT_EQ(log, (QStringList{"color after save", "preview after save", "draw after save"}));
    EXPECT_TRUE(Forms::loaded().isEmpty());
    const std::unique_ptr<QSettings> stored = home.userSettings();
    EXPECT_EQ(stored->value(QStringLiteral("Optionen/Width")).toString(), QStringLiteral("7"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(EndProgram, EndsAtOnceWhenAWindowRefusesToUnload) {
    TempHome home;
    ErrorScript script;
    QStringList log;
    auto* stubborn = new Recorder(QStringLiteral("stubborn"), log, home, Recorder::Unload::Refuse);
    new Recorder(QStringLiteral("other"), log, home);
    EXPECT_THROW(EndProgram(), ProgramEnded);
    EXPECT_EQ(log, (QStringList{"other after save", "stubborn after save"}));
    EXPECT_EQ(script.count(), 0) << "EndProgram reports nothing";
    Forms::remove(stubborn);
    delete stubborn;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(EndProgram, AWindowFailingToUnloadIsSkippedAndTheOthersStillUnload) {
    TempHome home;
    ErrorScript script;
    QStringList log;
    new Recorder(QStringLiteral("draw"), log, home);
    auto* failing = new Recorder(QStringLiteral("preview"), log, home, Recorder::Unload::Fail);
    new Recorder(QStringLiteral("color"), log, home);
    EXPECT_THROW(EndProgram(), ProgramEnded) << "a window is still loaded";
    EXPECT_EQ(log, (QStringList{"color after save", "preview after save", "draw after save"}));
    EXPECT_EQ(Forms::loaded(), QList<QWidget*>{failing});
    EXPECT_EQ(script.count(), 0) << "EndProgram reports nothing";
    Forms::remove(failing);
    delete failing;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
