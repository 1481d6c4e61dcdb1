// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessKey.h"

#include <gtest/gtest.h>

using brizel::UpdateAccessKey;

namespace {

struct AccessKeyCase {
    const char* caption;
    char16_t key; // 0: none
};

void PrintTo(const AccessKeyCase& c, std::ostream* os) {
    *os << '"' << c.caption << '"';
}

class AccessKeyTest : public ::testing::TestWithParam<AccessKeyCase> {};

TEST_P(AccessKeyTest, FindsTheMarkedCharacter) {
    const AccessKeyCase& c = GetParam();
    const std::optional<QChar> key = UpdateAccessKey(QString::fromUtf8(c.caption));
    if (c.key == 0)
        EXPECT_FALSE(key.has_value()) << "got " << QString(key.value_or(QChar())).toStdString();
    else
        EXPECT_EQ(key, QChar(c.key));
}

INSTANTIATE_TEST_SUITE_P(
    Captions, AccessKeyTest,
    ::testing::Values(AccessKeyCase{"&Save", u's'},          // before the first letter, lower case
                      AccessKeyCase{"Sa&ve", u'v'},          // inside the word
                      AccessKeyCase{"&save", u's'},          // already lower case
                      AccessKeyCase{"Fish && Chips", 0},     // one doubled pair only
                      AccessKeyCase{"Fish && &Chips", u'c'}, // a later single ampersand counts
                      AccessKeyCase{"&&&x", u'x'},           // the pair, then a marked x
                      AccessKeyCase{"a&&b&&c", 0},           // the second pair is doubled too
                      AccessKeyCase{"ab&&&", 0},             // the later ampersand is the last character
                      AccessKeyCase{"S", 0},                 // one character
                      AccessKeyCase{"&", 0},                 // one character, even an ampersand
                      AccessKeyCase{"", 0},                  // empty
                      AccessKeyCase{"Save&", 0},             // trailing ampersand
                      AccessKeyCase{"No key", 0},            // no ampersand
                      AccessKeyCase{"&1 Lesson", u'1'},      // digits work
                      AccessKeyCase{"&Öffnen", u'ö'},        // and letters beyond ASCII
                      AccessKeyCase{"A &b &c", u'b'}));      // the first mark wins

} // namespace
