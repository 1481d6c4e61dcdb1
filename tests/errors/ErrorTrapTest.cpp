// SPDX-License-Identifier: GPL-3.0-or-later
#include "errors/ErrorTrap.h"
#include "base/VbError.h"
#include "errors/ErrPtnr.h"
#include "errors/ProgramEnd.h"
#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// A procedure of three statements whose second one fails `failures` times before it succeeds.
struct Procedure {
    explicit Procedure(int timesFailing) : failures(timesFailing) {}

    int failures = 0;
    QStringList ran;
    bool completed = false;

    void run() {
        ErrorTrap trap(QStringLiteral("Work"), QStringLiteral("Tests"));
        completed = trap.run({
            {10, [&] { ran << QStringLiteral("first"); }},
            {20,
             [&] {
                 if (failures-- > 0)
                     VbError::raise(VbErr::InvalidPropertyValue);
                 ran << QStringLiteral("second");
             }},
            {30, [&] { ran << QStringLiteral("third"); }},
        });
    }
};

struct Decision {
    std::vector<int> actions;
    int failures;
    QStringList ran;
    bool completed;
    int shown;
};

class TrapDecision : public ::testing::TestWithParam<Decision> {};

TEST_P(TrapDecision, ActsOnTheButtonChosenInTheErrorWindow) {
    const Decision& d = GetParam();
    TempHome home;
    ErrorScript script(d.actions);
    Procedure procedure{d.failures};
    procedure.run();
    EXPECT_EQ(procedure.ran, d.ran);
    EXPECT_EQ(procedure.completed, d.completed);
    ASSERT_EQ(script.count(), d.shown);
    for (const ErrorScript::Shown& shown : script.shown()) {
        EXPECT_EQ(shown.number, QStringLiteral("380 (Invalid property value)"));
        EXPECT_EQ(shown.module, QStringLiteral("Tests"));
        EXPECT_EQ(shown.procedure, QStringLiteral("Work"));
        EXPECT_EQ(shown.line, QStringLiteral("20"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TrapDecision,
    ::testing::Values(
        // Retry until the cause is gone: the statement runs again with the state as it is now.
        Decision{{0}, 2, {"first", "second", "third"}, true, 2},
        // Ignore goes on with the next statement.
        Decision{{1}, 5, {"first", "third"}, true, 1},
        // Cancel leaves the procedure.
        Decision{{2}, 5, {"first"}, false, 1},
        // Retry twice, then ignore.
        Decision{{0, 0, 1}, 5, {"first", "third"}, true, 3},
        // Nothing fails: the window never shows.
        Decision{{2}, 0, {"first", "second", "third"}, true, 0}));

TEST(ErrorTrap, EndEndsTheProgramAtOnce) {
    TempHome home;
    ErrorScript script({3});
    Procedure procedure{1};
    EXPECT_THROW(procedure.run(), ProgramEnded);
    EXPECT_EQ(procedure.ran, QStringList{QStringLiteral("first")});
}

TEST(ErrorTrap, AnyOtherActionCodeLeavesTheProcedure) {
    TempHome home;
    for (int code : {4, 7, -1}) {
        const auto answer =
            ErrPtnr::shownSeam.replace([code](ErrPtnr& window) { window.cmdContinue_Click(code); });
        Procedure procedure{1};
        procedure.run();
        EXPECT_EQ(procedure.ran, QStringList{QStringLiteral("first")}) << code;
        EXPECT_FALSE(procedure.completed) << code;
    }
}

TEST(ErrorTrap, IgnoringAFailedConditionEntersTheBranchTakenWhenItHolds) {
    TempHome home;
    ErrorScript script({1});
    ErrorTrap trap(QStringLiteral("Branch"), QStringLiteral("Tests"));
    const auto holds = trap.condition(10, []() -> bool { VbError::raise(VbErr::DivisionByZero); });
    ASSERT_TRUE(holds.has_value());
    EXPECT_TRUE(*holds);
    const auto cancelled = [] {
        ErrorScript cancel({2});
        ErrorTrap inner(QStringLiteral("Branch"), QStringLiteral("Tests"));
        return inner.condition(10, []() -> bool { VbError::raise(VbErr::DivisionByZero); });
    }();
    EXPECT_FALSE(cancelled.has_value());
}

TEST(ErrorTrap, AnErrorBeforeTheFirstLineMarkShowsLineZero) {
    TempHome home;
    ErrorScript script({1});
    ErrorTrap trap(QStringLiteral("Early"), QStringLiteral("Tests"));
    trap(0, [] { VbError::raise(VbErr::TypeMismatch); });
    trap(10, [] {});
    trap(0, [] { VbError::raise(VbErr::TypeMismatch); });
    ASSERT_EQ(script.count(), 2);
    EXPECT_EQ(script.shown()[0].line, QStringLiteral("0"));
    EXPECT_EQ(script.shown()[1].line, QStringLiteral("10")) << "the last mark passed";
}

TEST(ErrorTrap, ResumeNextSkipsSilently) {
    TempHome home;
    ErrorScript script({2});
    ErrorTrap trap(QStringLiteral("Quiet"), QStringLiteral("Tests"));
    trap.resumeNext();
    bool after = false;
    EXPECT_TRUE(trap.run({{10, [] { VbError::raise(VbErr::Overflow); }}, {20, [&] { after = true; }}}));
    EXPECT_TRUE(after);
    EXPECT_EQ(script.count(), 0);
}

TEST(ErrorTrap, EveryDisplayAppendsOneProtocolToTheLog) {
    TempHome home;
    ErrorScript script({0, 0, 1});
    Procedure procedure{9};
    procedure.run();
    QFile log(ErrPtnr::instance().protocolLogPath());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray content = log.readAll();
    EXPECT_EQ(content.count("F E H L E R P R O T O K O L L"), 3);
    EXPECT_TRUE(content.endsWith(QByteArray(70, '-') + "\r\n\r\n"));
}

} // namespace
