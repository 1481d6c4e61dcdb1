// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/KeyedPropertyBag.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyedPropertyBag, KeysCompareWithoutRegardToCaseAndKeepTheirFirstSpelling) {
    KeyedPropertyBag bag;
    bag.writeProperty(QStringLiteral("BTYPE"), 14);
    bag.writeProperty(QStringLiteral("tx"), QStringLiteral("o"));
    bag.writeProperty(QStringLiteral("btype"), 3);
    EXPECT_EQ(bag.readProperty(QStringLiteral("Btype")).toInt(), 3);
    EXPECT_EQ(bag.keys(), (QStringList{QStringLiteral("BTYPE"), QStringLiteral("tx")}));
    EXPECT_EQ(bag.readProperty(QStringLiteral("missing"), 7).toInt(), 7);
}

TEST(KeyedPropertyBag, ValuesEqualToTheirDefaultAreNotKept) {
    KeyedPropertyBag bag;
    bag.writeProperty(QStringLiteral("Max"), 10, 10);
    EXPECT_FALSE(bag.contains(QStringLiteral("max")));
    bag.writeProperty(QStringLiteral("Max"), 50, 10);
    EXPECT_EQ(bag.readProperty(QStringLiteral("max"), 10).toInt(), 50);
    bag.writeProperty(QStringLiteral("MAX"), 10, 10);
    EXPECT_FALSE(bag.contains(QStringLiteral("Max")));
    bag.writeProperty(QStringLiteral("Caption"), QString());
    EXPECT_TRUE(bag.contains(QStringLiteral("caption"))) << "without a default everything is written";
}

TEST(KeyedPropertyBag, TextFormRoundTrips) {
    const KeyedPropertyBag bag = KeyedPropertyBag::fromText(
        QStringLiteral("; a stored button\nbtype = 14\n\ntx=a=b\n# comment\nnoequals\nbcol=7913438\n"));
    EXPECT_EQ(bag.keys(),
              (QStringList{QStringLiteral("btype"), QStringLiteral("tx"), QStringLiteral("bcol")}));
    EXPECT_EQ(bag.readProperty(QStringLiteral("TX")).toString(), QStringLiteral("a=b"));
    EXPECT_EQ(KeyedPropertyBag::fromText(bag.toText()).toText(), bag.toText());
}

} // namespace
