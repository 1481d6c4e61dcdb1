#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# QtTest's QVERIFY, QCOMPARE and QTRY_* report a failure by returning from the function; inside a
# GoogleTest body that return lets the test pass. Fails when a test source uses any of them.
# Usage: check-test-assertions.sh [SOURCE_ROOT]
set -uo pipefail
root="${1:-$(dirname "$0")/..}"
if grep -rnE '\b(QTRY_[A-Z_]+|QVERIFY[A-Z0-9_]*|QCOMPARE[A-Z_]*)\b' "$root/tests"; then
    echo "QtTest assertions pass silently inside GoogleTest: use EXPECT_/ASSERT_ and QTest::qWaitFor" >&2
    exit 1
fi
echo "no QtTest assertions under tests/"
