// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/IniReader.h"
#include "formats/Cp1252.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class IniReaderTest : public ::testing::Test {
protected:
    QString write(const QByteArray& content) {
        const QString name = dir.path() + QStringLiteral("/test.lng");
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return name;
    }
    QString read(const QString& file, const QString& section, const QString& key) {
        return IniReader::readKey(file, section, key, QString(255, QLatin1Char(' ')), 255);
    }
    QTemporaryDir dir;
};

TEST_F(IniReaderTest, FindsKeysOfTheSectionWithoutRegardToCase) {
    const QString file = write("[Other]\r\n0100=wrong\r\n[LANG]\r\n0100 =  Hallo Welt  \r\nabc=x=y\r\n"
                               "0101=\r\n[Later]\r\n0102=outside\r\n");
    const std::pair<const char*, const char*> cases[] = {
        {"0100", "Hallo Welt"}, {"ABC", "x=y"}, {"0101", ""}, {"0102", ""}, {"0999", ""}};
    for (auto [key, expected] : cases)
        EXPECT_EQ(read(file, QStringLiteral("lang"), QString::fromLatin1(key)), QString::fromLatin1(expected))
            << key;
}

TEST_F(IniReaderTest, CutsLongValuesAt254Characters) {
    const QByteArray value(300, 'x');
    const QString file = write("[Lang]\r\n0100=" + value + "\r\n");
    EXPECT_EQ(read(file, QStringLiteral("Lang"), QStringLiteral("0100")), QString(254, QLatin1Char('x')));
}

TEST_F(IniReaderTest, MissingFileOrSectionGivesTheEmptyText) {
    EXPECT_EQ(read(dir.path() + QStringLiteral("/none.lng"), QStringLiteral("Lang"), QStringLiteral("0100")),
              QString());
    EXPECT_EQ(read(QString(), QStringLiteral("Lang"), QStringLiteral("0100")), QString());
    const QString file = write("0100=no section\r\n");
    EXPECT_EQ(read(file, QStringLiteral("Lang"), QStringLiteral("0100")), QString());
}

TEST_F(IniReaderTest, DecodesTheWindows1252CodePage) {
    const QString file = write("[Lang]\r\n0100=Gr\xfc\xdf"
                               "e \x80 \x93ok\x94\r\n");
    EXPECT_EQ(read(file, QStringLiteral("Lang"), QStringLiteral("0100")), QString::fromUtf8("Grüße € “ok”"));
    EXPECT_EQ(Cp1252::encode(QString::fromUtf8("Grüße € “ok” ✓")), QByteArray("Gr\xfc\xdf"
                                                                              "e \x80 \x93ok\x94 ?"));
}

} // namespace
