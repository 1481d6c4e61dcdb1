// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/VbError.h"
#include "color/frmColor.h"
#include "core/Allgemein.h"
#include "core/Forms.h"
#include "draw/frmDraw.h"
#include "errors/ErrPtnr.h"
#include "errors/ErrorTrap.h"
#include "formats/Cp1252.h"
#include "info/frmInfo.h"
#include "lessons/frmPreview.h"
#include "support/ErrorScript.h"
#include "support/Parts.h"
#include "support/TempHome.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMultiMap>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace Allgemein;

namespace {

// A language file's texts as a screen reader says them (access key marks dropped), read apart from the
// program's reader: text -> ids.
QMultiMap<QString, int> spokenTexts(const char* file) {
    QMultiMap<QString, int> texts;
    QFile lang(QStringLiteral(PROGRAM_DIR "/") + QLatin1String(file));
    if (!lang.open(QIODevice::ReadOnly))
        return texts;
    for (const QByteArray& line : lang.readAll().split('\n')) {
        const QString entry = Cp1252::decode(line.trimmed());
        if (entry.size() > 5 && entry[4] == u'=' && entry.left(4).toInt() > 0)
            texts.insert(QString(entry.mid(5)).remove(QLatin1Char('&')), entry.left(4).toInt());
    }
    return texts;
}

// What a control shows of itself; a control named by it is as current as what it shows.
QString shownText(QObject* object) {
    if (auto* label = qobject_cast<QLabel*>(object))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return QString(button->text()).remove(QLatin1Char('&'));
    if (auto* box = qobject_cast<QGroupBox*>(object))
        return box->title();
    if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isWindow())
        return widget->windowTitle();
    return {};
}

struct Control {
    QString path;
    QString name;
    QAccessible::Role role;
    bool focusable;
    QString shown;
};
using Controls = QMap<QObject*, Control>;

// Everything a screen reader reaches from `iface`; separators are no controls, and a list's entries are
// the user's file names.
void collect(QAccessibleInterface* iface, const QString& path, Controls& controls) {
    QObject* object = iface->object();
    const QString name = object && !object->objectName().isEmpty()
                             ? object->objectName()
                             : QString::fromLatin1(object ? object->metaObject()->className() : "?");
    const QString here = path + QLatin1Char('/') + name;
    controls.insert(object, {here, iface->text(QAccessible::Name), iface->role(),
                             iface->state().focusable != 0, shownText(object)});
    if (iface->role() == QAccessible::List)
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface* child = iface->child(i); child && child->role() != QAccessible::Separator)
            collect(child, here, controls);
}

struct Window {
    const char* name;
    std::function<QWidget*()> widget;
    int minimumControls;
    // Names that are the same in every language.
    QStringList fixed;
};

const QStringList kEveryLanguage = {QStringLiteral("Deutsch"), QStringLiteral("English"),
                                    QStringLiteral("Svenska"), QStringLiteral("Italiano"),
                                    QStringLiteral("Español"), QStringLiteral("Français"),
                                    QStringLiteral("OK"),      QStringLiteral("E-Mail")};

const Window kWindows[] = {
    {"drawing window", [] { return static_cast<QWidget*>(frmDraw::instance()); }, 23, {}},
    {"help menu", [] { return static_cast<QWidget*>(part<QMenu>(frmDraw::instance(), "mnuHelp")); }, 4, {}},
    {"colour window", [] { return static_cast<QWidget*>(frmColor::instance()); }, 6, {}},
    {"lesson viewer", [] { return static_cast<QWidget*>(frmPreview::instance()); }, 16, {}},
    {"info window", [] { return static_cast<QWidget*>(frmInfo::instance()); }, 14, {}},
    {"error window",
     [] { return static_cast<QWidget*>(&ErrPtnr::instance()); },
     24,
     {QStringLiteral("Hinweis / Notice")}},
};

class Accessibility : public ::testing::Test {
protected:
    void SetUp() override {
        home.installGermanAndEnglish();
        LangIndex = 0;
        SoundOn = 0;
        PenWidth = 5;
        ColorWinOpen = -1;
        MainShown = -1;
        StartupInfo = 0;
    }

    void TearDown() override {
        for (QWidget* form : Forms::loaded())
            Forms::unload(form);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TempHome home;
    ErrorScript script;
};

// Every control is named in the language the program speaks, and renamed when the child picks another.
TEST_F(Accessibility, EveryControlIsNamedInTheProgramsLanguage) {
    frmDraw* drawing = frmDraw::instance();
    drawing->setFixedSize(800, 600);
    drawing->show();
    drawing->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(drawing));
    // The error window, once it has shown an error.
    ErrorTrap probe(QStringLiteral("Probe"), QStringLiteral("Accessibility"));
    probe(10, [] { VbError::raise(VbErr::InvalidPropertyValue); });

    const auto walk = [](const Window& window) {
        Controls controls;
        collect(QAccessible::queryAccessibleInterface(window.widget()), QString(), controls);
        return controls;
    };
    const auto expectNamed = [](const Window& window, const Controls& controls,
                                const QMultiMap<QString, int>& texts) {
        SCOPED_TRACE(window.name);
        EXPECT_GE(controls.size(), window.minimumControls);
        for (const Control& c : controls) {
            EXPECT_FALSE(c.name.trimmed().isEmpty()) << c.path.toStdString();
            const bool known = texts.contains(c.name) || kEveryLanguage.contains(c.name) ||
                               window.fixed.contains(c.name) || (!c.shown.isEmpty() && c.name == c.shown);
            EXPECT_TRUE(known) << c.path.toStdString() << " is called \"" << c.name.toStdString()
                               << "\", no text of the language file";
            if (c.role == QAccessible::Button || c.role == QAccessible::Slider) {
                EXPECT_TRUE(c.focusable) << c.path.toStdString() << " cannot be reached with the keyboard";
            }
        }
    };

    const QMultiMap<QString, int> german = spokenTexts("deutsch.lng");
    const QMultiMap<QString, int> english = spokenTexts("english.lng");
    ASSERT_FALSE(german.isEmpty());
    ASSERT_FALSE(english.isEmpty());
    std::vector<Controls> before;
    for (const Window& window : kWindows) {
        before.push_back(walk(window));
        expectNamed(window, before.back(), german);
    }

    drawing->imgLang_Click(1);

    for (size_t w = 0; w < std::size(kWindows); ++w) {
        const Window& window = kWindows[w];
        const Controls after = walk(window);
        expectNamed(window, after, english);
        SCOPED_TRACE(window.name);
        for (auto it = before[w].cbegin(); it != before[w].cend(); ++it) {
            const Control& was = it.value();
            if (!german.contains(was.name) || (!was.shown.isEmpty() && was.name == was.shown))
                continue;
            const QString now = after.value(it.key()).name;
            bool sameText = false;
            for (int id : german.values(was.name))
                sameText = sameText || english.values(now).contains(id);
            EXPECT_TRUE(sameText) << was.path.toStdString() << ": \"" << was.name.toStdString()
                                  << "\" became \"" << now.toStdString() << "\"";
        }
    }
    EXPECT_EQ(script.count(), 1) << "no text failed to load";
}

struct SliderStep {
    const char* what;
    std::function<void(kmoSlider*, QAccessibleValueInterface*)> act;
    int value;
};

// From pen width 5, one step after the other; the stored slider runs from 1 to 50.
const SliderStep kSliderSteps[] = {
    {"set by the program", [](kmoSlider* slider, auto*) { slider->setValue(17); }, 17},
    {"Up", [](kmoSlider* slider, auto*) { QTest::keyClick(slider, Qt::Key_Up); }, 18},
    {"Left", [](kmoSlider* slider, auto*) { QTest::keyClick(slider, Qt::Key_Left); }, 17},
    {"Page Down", [](kmoSlider* slider, auto*) { QTest::keyClick(slider, Qt::Key_PageDown); }, 13},
    {"End", [](kmoSlider* slider, auto*) { QTest::keyClick(slider, Qt::Key_End); }, 50},
    {"Right at Max", [](kmoSlider* slider, auto*) { QTest::keyClick(slider, Qt::Key_Right); }, 50},
    {"Home", [](kmoSlider* slider, auto*) { QTest::keyClick(slider, Qt::Key_Home); }, 1},
    {"Down at Min", [](kmoSlider* slider, auto*) { QTest::keyClick(slider, Qt::Key_Down); }, 1},
    {"set by a screen reader", [](kmoSlider*, auto* value) { value->setCurrentValue(12); }, 12},
    {"set beyond Max by a screen reader", [](kmoSlider*, auto* value) { value->setCurrentValue(99); }, 50},
};

// The pen width slider tells a screen reader its range and value; every change of the value, by the
// program, the keyboard or a screen reader, reaches the pen, the width label and the screen reader.
TEST_F(Accessibility, TheSliderIsASliderWhoseValueIsThePenWidth) {
    frmColor* window = frmColor::instance();
    auto* slider = part<kmoSlider>(window, "kmoSlider");
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(slider);
    ASSERT_NE(iface, nullptr);
    QAccessibleValueInterface* value = iface->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Slider);
    EXPECT_EQ(iface->text(QAccessible::Name), GetLang(Text::PenWidth));
    EXPECT_EQ(value->minimumValue().toInt(), 1);
    EXPECT_EQ(value->maximumValue().toInt(), 50);
    EXPECT_EQ(value->currentValue().toInt(), 5);

    for (const SliderStep& step : kSliderSteps) {
        SCOPED_TRACE(step.what);
        step.act(slider, value);
        EXPECT_EQ(value->currentValue().toInt(), step.value);
        EXPECT_EQ(iface->text(QAccessible::Value), QString::number(step.value));
        EXPECT_EQ(PenWidth, step.value);
        EXPECT_EQ(part<QLabel>(window, "lblWidth")->text(), QString::number(step.value));
    }
}

} // namespace
