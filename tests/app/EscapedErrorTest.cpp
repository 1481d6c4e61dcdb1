// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/VbError.h"
#include "errors/HandlerEdge.h"
#include "errors/ProgramEnd.h"
#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct Case {
    const char* name;
    int action;
    bool ends;
};

// The error log goes to the test's own folder.
class EscapedError : public ::testing::TestWithParam<Case> {
    const TempHome home;
};

// A slot outside any error trap fails: the error stops at the slot's edge, never unwinding Qt's event
// delivery; the error window names the button, whatever the user decides short of ending, the program runs
// on and the button keeps working.
TEST_P(EscapedError, ReachesTheErrorWindowNamingTheReceiver) {
    const Case& c = GetParam();
    ErrorScript script({c.action});
    QPushButton button;
    button.setObjectName(QStringLiteral("cmdFails"));
    int clicks = 0;
    const auto fails = [&] {
        ++clicks;
        VbError::raise(VbErr::InvalidPropertyValue);
    };
    QObject::connect(&button, &QPushButton::clicked, [&] { HandlerEdge::run(&button, fails); });
    button.show();
    if (c.ends) {
        // The program ends where the error window is answered (a test's ending throws): not inside Qt.
        EXPECT_THROW(HandlerEdge::run(&button, fails), ProgramEnded);
    } else {
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
    }
    const int expected = c.ends ? 1 : 2;
    EXPECT_EQ(clicks, expected);
    ASSERT_EQ(script.count(), expected);
    EXPECT_EQ(script.shown()[0].number, QStringLiteral("380 (Invalid property value)"));
    EXPECT_EQ(script.shown()[0].procedure, QStringLiteral("cmdFails"));
    EXPECT_EQ(script.shown()[0].module, QStringLiteral("QPushButton"));
    EXPECT_EQ(script.shown()[0].line, QStringLiteral("0"));
}

INSTANTIATE_TEST_SUITE_P(Table, EscapedError,
                         ::testing::Values(Case{"Ignore", 1, false}, Case{"Cancel", 2, false},
                                           Case{"End", 3, true}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(EscapedErrorRetry, DeliversTheFailedCallOnceMore) {
    const TempHome home;
    ErrorScript script({0});
    QObject receiver;
    receiver.setObjectName(QStringLiteral("Sprache"));
    int calls = 0;
    QMetaObject::invokeMethod(
        &receiver,
        [&] {
            HandlerEdge::run(&receiver, [&] {
                if (++calls == 1)
                    throw std::runtime_error("not yet");
            });
        },
        Qt::QueuedConnection);
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls == 2; }));
    ASSERT_EQ(script.count(), 1);
    EXPECT_EQ(script.shown()[0].number, QStringLiteral("5 (not yet)"));
    EXPECT_EQ(script.shown()[0].procedure, QStringLiteral("Sprache"));
    EXPECT_EQ(script.shown()[0].module, QStringLiteral("QObject"));
}

} // namespace
