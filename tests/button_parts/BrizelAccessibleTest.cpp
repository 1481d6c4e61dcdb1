// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrizelAccessible.h"

#include <QAccessible>
#include <QKeySequence>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <optional>

namespace fake {

// Stands in for the control: the same class name and the properties the screen reader reads.
class Brizel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString ToolTip MEMBER toolTipText)
    Q_PROPERTY(QString Caption MEMBER caption)
    Q_PROPERTY(QFont Font MEMBER font)
    Q_PROPERTY(qint16 Enabled MEMBER enabledFlag)
    Q_PROPERTY(qint16 CheckBoxBehaviour MEMBER checkBox)
    Q_PROPERTY(qint16 Value MEMBER value)

public:
    QString toolTipText;
    QString caption;
    QFont font;
    qint16 enabledFlag = -1;
    qint16 checkBox = 0;
    qint16 value = 0;
    int presses = 0;
    int releases = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void mouseReleaseEvent(QMouseEvent*) override { ++releases; }
};

} // namespace fake

namespace {

class BrizelAccessibleTest : public ::testing::Test {
protected:
    void SetUp() override { QAccessible::installFactory(brizel::BrizelAccessibleFactory); }
    void TearDown() override { QAccessible::removeFactory(brizel::BrizelAccessibleFactory); }

    QAccessibleInterface* accessible() { return QAccessible::queryAccessibleInterface(&button); }

    fake::Brizel button;
};

TEST_F(BrizelAccessibleTest, IsAPushButton) {
    QAccessibleInterface* iface = accessible();
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Button);
}

TEST_F(BrizelAccessibleTest, NamedByHostElseToolTipElseReadableCaption) {
    struct {
        const char* hostName;
        const char* toolTip;
        const char* caption;
        const char* family;
        const char* name;
    } cases[] = {{"", "Save the drawing", "&Save", "Arial", "Save the drawing"},
                 {"", "", "&Save", "Arial", "Save"},
                 {"", "", "Fish && &Chips", "Arial", "Fish & Chips"},
                 {"", "", "Rock&", "Arial", "Rock&"},
                 {"", "", "", "Arial", ""},
                 {"", "Close", "\xc3\xbb", "Wingdings", "Close"},
                 {"", "", "\xc3\xbb", "Wingdings", ""},
                 {"", "", "N", "webdings", ""},
                 {"Print", "Print the drawing", "y", "Wingdings", "Print"}};
    for (const auto& c : cases) {
        button.setAccessibleName(QString::fromUtf8(c.hostName));
        button.toolTipText = QString::fromUtf8(c.toolTip);
        button.caption = QString::fromUtf8(c.caption);
        button.font = QFont(QString::fromUtf8(c.family));
        EXPECT_EQ(accessible()->text(QAccessible::Name), QString::fromUtf8(c.name)) << c.caption;
    }
}

TEST_F(BrizelAccessibleTest, ReportsEnabledAndToggleState) {
    struct {
        qint16 enabled, checkBox, value;
        std::optional<bool> hostSwitch;
        bool disabled, checkable, checked, pressed;
    } cases[] = {{-1, 0, 0, {}, false, false, false, false},
                 {0, 0, 0, {}, true, false, false, false},
                 {-1, -1, 0, {}, false, true, false, false},
                 {-1, -1, -1, {}, false, true, true, true},
                 {-1, 0, -1, {}, false, false, false, false}, // Value without toggle behaviour is no state
                 // A switch whose state the host shows by a colour: checked, never the down look.
                 {-1, 0, 0, true, false, true, true, false},
                 {-1, 0, -1, false, false, true, false, false},
                 {-1, -1, -1, false, false, true, true, true}}; // the toggle's own state counts
    for (const auto& c : cases) {
        button.enabledFlag = c.enabled;
        button.checkBox = c.checkBox;
        button.value = c.value;
        button.setProperty("brizelSwitchOn", c.hostSwitch ? QVariant(*c.hostSwitch) : QVariant());
        const QAccessible::State state = accessible()->state();
        EXPECT_EQ(bool(state.disabled), c.disabled);
        EXPECT_EQ(bool(state.checkable), c.checkable);
        EXPECT_EQ(bool(state.checked), c.checked);
        EXPECT_EQ(bool(state.pressed), c.pressed);
        EXPECT_EQ(accessible()->role(), c.checkable ? QAccessible::CheckBox : QAccessible::Button);
    }
}

TEST_F(BrizelAccessibleTest, KeyBindingsAreTheHostsShortcutAndTheAccessKey) {
    struct {
        const char* shortcut;
        const char* caption;
        QStringList keys;
    } cases[] = {{"", "Save", {}},
                 {"Ctrl+S", "Save", {QStringLiteral("Ctrl+S")}},
                 {"", "&Save", {QStringLiteral("Alt+S")}},
                 {"F1", "&help && more", {QStringLiteral("F1"), QStringLiteral("Alt+H")}}};
    for (const auto& c : cases) {
        button.setProperty("brizelShortcut", QKeySequence(QString::fromLatin1(c.shortcut)));
        button.caption = QString::fromLatin1(c.caption);
        EXPECT_EQ(
            accessible()->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
            c.keys)
            << c.caption;
    }
}

// The press answers the screen reader first: the click, which may wait for a window it opens, follows.
TEST_F(BrizelAccessibleTest, PressActionClicksAfterItAnsweredAndOnlyWhileEnabled) {
    button.resize(40, 20);
    QAccessibleActionInterface* actions = accessible()->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(button.presses, 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return button.releases == 1; }));
    EXPECT_EQ(button.presses, 1);

    button.enabledFlag = 0;
    EXPECT_TRUE(actions->actionNames().isEmpty());
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(button.presses, 1);
}

TEST(BrizelAccessibility, InstallingTwiceServesOneInterface) {
    brizel::InstallBrizelAccessibility();
    brizel::InstallBrizelAccessibility();
    fake::Brizel button;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(iface, nullptr);
    EXPECT_NE(dynamic_cast<brizel::BrizelAccessible*>(iface), nullptr);
}

TEST(BrizelAccessibleFactory, OnlyForTheButtonClass) {
    QWidget other;
    EXPECT_EQ(brizel::BrizelAccessibleFactory(QStringLiteral("QWidget"), &other), nullptr);
    EXPECT_EQ(brizel::BrizelAccessibleFactory(QStringLiteral("Brizel"), nullptr), nullptr);
}

} // namespace

#include "BrizelAccessibleTest.moc"
