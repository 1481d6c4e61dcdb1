// SPDX-License-Identifier: GPL-3.0-or-later
#include "errors/ErrProtocol.h"

#include "formats/Cp1252.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kIndent = QString(10, QLatin1Char(' '));
const QString kSeparator = QString(70, QLatin1Char('-'));
constexpr qsizetype kPrintWidth = 73;
const QString kContinuation = QString(20, QLatin1Char(' '));

// Systems other than the three Windows platforms are named too, and keep the line end: a nameless
// platform line running on into the version line would hide which system failed.
QString platformName(const SystemVersion& system) {
    switch (system.platformId) {
    case SystemVersion::Win32s:
        return QStringLiteral("Win32s");
    case SystemVersion::Windows9x:
        return QStringLiteral("Windows 9x");
    case SystemVersion::WindowsNT:
        return QStringLiteral("Windows NT");
    default:
        return system.systemName;
    }
}

void wrapLine(QString line, QStringList& out) {
    QString output;
    qsizetype count = 0;
    for (qsizetype blank = line.indexOf(QLatin1Char(' ')); blank >= 0;
         blank = line.indexOf(QLatin1Char(' '))) {
        const QString word = line.left(blank + 1);
        line.remove(0, blank + 1);
        count += word.size();
        if (count > kPrintWidth) {
            if (!output.isEmpty()) {
                out << output;
                output = kContinuation;
            }
            count = word.size();
        }
        output += word;
    }
    if (!output.isEmpty())
        out << output;
}
} // namespace

QString ErrProtocol::build(const ErrProtocolData& data) {
    QString text;
    auto line = [&](const QString& content) { text += content + kCrLf; };
    line(kSeparator);
    line(QStringLiteral("F E H L E R P R O T O K O L L  /  E R R O R   P R O T O C O L L"));
    line(kSeparator);
    line(data.progInfoCaption.toUpper());
    line(kIndent + data.progInfo);
    line(kSeparator);
    line(data.errorCaption.toUpper());
    for (size_t i = 0; i < data.titles.size(); ++i)
        line(kIndent + data.titles[i] + QLatin1Char('\t') + data.values[i]);
    line(kIndent + QStringLiteral("Datum/Uhrzeit (Date/Time):\t") +
         data.when.date().toString(QStringLiteral("MM-dd-yyyy")) + QStringLiteral(" / ") +
         data.when.time().toString(QStringLiteral("HH:mm:ss")));
    line(kSeparator);
    line(QStringLiteral("SYSTEMINFO:"));
    line(kIndent + QStringLiteral("Plattform/Environment:\t") + platformName(data.system));
    line(kIndent + QStringLiteral("Version:\t%1.%2").arg(data.system.major).arg(data.system.minor));
    line(kIndent + QStringLiteral("Build:\t%1   ").arg(data.system.build & 0xFFFF) +
         LPSTRToVBString(Cp1252::decode(data.system.servicePack)));
    line(kSeparator);
    return text;
}

QStringList ErrProtocol::printLines(const QString& protocol) {
    QStringList out;
    QString remaining = protocol + kCrLf;
    for (qsizetype end = remaining.indexOf(kCrLf); end >= 0; end = remaining.indexOf(kCrLf)) {
        wrapLine(remaining.left(end) + QLatin1Char(' '), out);
        remaining.remove(0, end + kCrLf.size());
    }
    return out;
}

QString ErrProtocol::LPSTRToVBString(const QString& buffer) {
    const qsizetype nul = buffer.indexOf(QChar(0));
    return nul < 0 ? QString() : buffer.left(nul);
}
