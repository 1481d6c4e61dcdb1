// SPDX-License-Identifier: GPL-3.0-or-later
#include "errors/ErrProtocol.h"
#include "errors/ErrPtnr.h"

#include <gtest/gtest.h>

namespace {

const QString kSep = QString(70, QLatin1Char('-'));
const QString kInd = QString(10, QLatin1Char(' '));

ErrProtocolData sample(uint32_t platformId) {
    ErrProtocolData data;
    data.progInfoCaption = QStringLiteral("Programm-Info:");
    data.progInfo = QStringLiteral("pinsola  V1.0.0");
    data.errorCaption = QStringLiteral("Fehlerbeschreibung / error description:");
    data.titles = {QStringLiteral("Fehler-Nr / error :"), QStringLiteral("Modul:"),
                   QStringLiteral("Prozedur / procedure:"), QStringLiteral("Zeile / Line:")};
    data.values = {QStringLiteral("13 (Type mismatch)"), QStringLiteral("Allgemein"),
                   QStringLiteral("LoadConfig"), QStringLiteral("30")};
    data.when = QDateTime(QDate(2026, 3, 7), QTime(9, 5, 3));
    data.system.major = 10;
    data.system.minor = 0;
    data.system.build = 0x12344A65; // only the low 16 bits count: 19045
    data.system.platformId = platformId;
    data.system.servicePack = QByteArray("Service Pack 1\0garbage", 22);
    data.system.systemName = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    return data;
}

QString expectedProtocol(const QString& platformLine) {
    const QStringList lines = {
        kSep,
        QStringLiteral("F E H L E R P R O T O K O L L  /  E R R O R   P R O T O C O L L"),
        kSep,
        QStringLiteral("PROGRAMM-INFO:"),
        kInd + QStringLiteral("pinsola  V1.0.0"),
        kSep,
        QStringLiteral("FEHLERBESCHREIBUNG / ERROR DESCRIPTION:"),
        kInd + QStringLiteral("Fehler-Nr / error :\t13 (Type mismatch)"),
        kInd + QStringLiteral("Modul:\tAllgemein"),
        kInd + QStringLiteral("Prozedur / procedure:\tLoadConfig"),
        kInd + QStringLiteral("Zeile / Line:\t30"),
        kInd + QStringLiteral("Datum/Uhrzeit (Date/Time):\t03-07-2026 / 09:05:03"),
        kSep,
        QStringLiteral("SYSTEMINFO:"),
        kInd + QStringLiteral("Plattform/Environment:\t") + platformLine,
        kInd + QStringLiteral("Version:\t10.0"),
        kInd + QStringLiteral("Build:\t19045   Service Pack 1"),
        kSep};
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

TEST(ErrProtocol, IsWrittenLineByLineInItsFixedLayout) {
    // Other systems are named by their own name and keep the line end.
    const std::pair<uint32_t, const char*> platforms[] = {{0, "Win32s"},
                                                          {1, "Windows 9x"},
                                                          {2, "Windows NT"},
                                                          {3, "Debian GNU/Linux 12 (bookworm)"},
                                                          {0xFFFFFFFF, "Debian GNU/Linux 12 (bookworm)"}};
    for (auto [id, name] : platforms)
        EXPECT_EQ(ErrProtocol::build(sample(id)), expectedProtocol(QString::fromUtf8(name))) << id;
}

TEST(ErrProtocol, ServicePackTextIsInTheSystemCodePage) {
    ErrProtocolData data = sample(2);
    data.system.servicePack = QByteArray("Service Pack 2 \x96 \x80\0", 19);
    EXPECT_TRUE(ErrProtocol::build(data).contains(
        QStringLiteral("Build:\t19045   Service Pack 2 \u2013 \u20AC\r\n")));
}

TEST(ErrProtocol, UsesFixedDateAndTimeFormsOnThe24HourClock) {
    ErrProtocolData data = sample(2);
    data.when = QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58));
    EXPECT_TRUE(ErrProtocol::build(data).contains(QStringLiteral("(Date/Time):\t12-31-1999 / 23:59:58\r\n")));
}

TEST(ErrProtocol, ServicePackIsEmptyWhenTheSystemReportsNone) {
    ErrProtocolData data = sample(2);
    data.system.servicePack = QByteArray(128, '\0');
    EXPECT_TRUE(ErrProtocol::build(data).contains(QStringLiteral("Build:\t19045   \r\n")));
}

TEST(LPSTRToVBString, CutsAtTheFirstNul) {
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("no terminator"), QString()},
        {QString(QChar(0)) + QStringLiteral("after"), QString()},
        {QStringLiteral("Service Pack 3") + QChar(0) + QStringLiteral("x") + QChar(0),
         QStringLiteral("Service Pack 3")},
        {QString(), QString()}};
    for (const auto& [buffer, expected] : cases)
        EXPECT_EQ(ErrPtnr::LPSTRToVBString(buffer), expected) << buffer.toStdString();
}

struct Wrap {
    QString protocol;
    QStringList printed;
};

TEST(ErrProtocolPrint, WrapsAt73WithIndentedContinuations) {
    const QString word10 = QStringLiteral("abcdefghi "); // 9 letters and the blank
    const QString long80 = QString(80, QLatin1Char('w'));
    const QString cont = QString(20, QLatin1Char(' '));
    const Wrap cases[] = {
        // Every line gets a trailing blank; the appended CR LF prints as one more blank line.
        {QStringLiteral("short line\r\n"), {QStringLiteral("short line "), QStringLiteral(" ")}},
        {QStringLiteral("\r\n"), {QStringLiteral(" "), QStringLiteral(" ")}},
        // 8 words of 10 characters: 70 fit, the eighth starts a continuation line.
        {word10.repeated(7).chopped(1) + QStringLiteral(" abcdefghi\r\n"),
         {word10.repeated(7), cont + QStringLiteral("abcdefghi "), QStringLiteral(" ")}},
        // A word longer than 73 characters stands whole on a line of its own.
        {QStringLiteral("x ") + long80 + QStringLiteral(" y\r\n"),
         {QStringLiteral("x "), cont + long80 + QStringLiteral(" "), cont + QStringLiteral("y "),
          QStringLiteral(" ")}},
        {long80 + QStringLiteral("\r\n"), {long80 + QStringLiteral(" "), QStringLiteral(" ")}},
        // Tabs belong to their word.
        {QStringLiteral("a\tb c\r\n"), {QStringLiteral("a\tb c "), QStringLiteral(" ")}},
    };
    for (const Wrap& c : cases)
        EXPECT_EQ(ErrProtocol::printLines(c.protocol), c.printed) << c.protocol.toStdString();
}

TEST(ErrProtocolPrint, ExactlySeventyThreeCharactersStayOnOneLine) {
    const QString line = QString(72, QLatin1Char('z'));
    const QStringList printed = ErrProtocol::printLines(line + QStringLiteral("\r\n"));
    ASSERT_EQ(printed.size(), 2);
    EXPECT_EQ(printed.first(), line + QStringLiteral(" "));
    const QStringList wrapped = ErrProtocol::printLines(QStringLiteral("a ") + line + QStringLiteral("\r\n"));
    EXPECT_EQ(wrapped.at(1), QString(20, QLatin1Char(' ')) + line + QStringLiteral(" "));
}

} // namespace
