// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "base/Licence.h"
#include "platform/ProgramVersion.h"

#include <QCommandLineParser>

namespace {
// The options QGuiApplication, QApplication and the X11 platform take out of the arguments themselves.
const char* const QtOptionsWithValue[] = {"platform",
                                          "platformpluginpath",
                                          "platformtheme",
                                          "plugin",
                                          "qwindowgeometry",
                                          "geometry",
                                          "qwindowicon",
                                          "icon",
                                          "qwindowtitle",
                                          "title",
                                          "session",
                                          "display",
                                          "name",
                                          "style",
                                          "stylesheet",
                                          "qmljsdebugger"};
const char* const QtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QCommandLineOption hidden(QCommandLineOption option) {
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

const QCommandLineOption HelpOption({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                    QStringLiteral("Show this help and end."));
const QCommandLineOption VersionOption({QStringLiteral("v"), QStringLiteral("version")},
                                       QStringLiteral("Show the version and the licence, and end."));

// Qt's parser with the program's options and Qt's, each Qt option also in its single-dash form.
void describe(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Pinsola teaches children to draw flowers: 42 lessons in six steps each, a canvas to draw along\n"
        "on, saving, opening and printing the drawings. It takes the options of every Qt program as well\n"
        "(-platform, -display, -style, -reverse...); see pinsola(1)."));
    parser.addOption(HelpOption);
    parser.addOption(VersionOption);
    for (const char* name : QtOptionsWithValue)
        parser.addOption(hidden({QLatin1String(name), QString(), QStringLiteral("value")}));
    for (const char* name : QtFlags)
        parser.addOption(hidden({QLatin1String(name), QString()}));
}
} // namespace

CommandLine::CommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(arguments)) {
        m_outcome = Outcome::Wrong;
        m_error = parser.errorText();
    } else if (parser.isSet(HelpOption)) {
        m_outcome = Outcome::Help;
    } else if (parser.isSet(VersionOption)) {
        m_outcome = Outcome::Version;
    } else if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty()) {
        m_outcome = Outcome::Wrong;
        m_error =
            QStringLiteral("Pinsola opens no files and takes no arguments: '%1'.").arg(extra.join("' '"));
    }
}

QString CommandLine::helpText(const QString& program) {
    QCommandLineParser parser;
    describe(parser);
    // The parser names the program only when an application object exists, which help does without.
    return parser.helpText().replace(QStringLiteral("<executable_name>"), program);
}

QString CommandLine::versionText() {
    return QStringLiteral("Pinsola %1\n"
                          "%2 (GNU GPL version 3 or later, <https://www.gnu.org/licenses/gpl-3.0.html>).\n"
                          "You may change and pass it on; there is no warranty, as far as the law permits.\n")
        .arg(ProgramVersion::current().plain(), QString::fromLatin1(Licence::Line));
}
