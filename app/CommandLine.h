// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program's command line. It takes no arguments of its own but --help and --version; Qt's own options
// (-platform, -display, -style, -session…) are let through to the application object, which reads them.
// It is read before the application object is made, so that help and version need no display.
class CommandLine {
public:
    enum class Outcome { Run, Help, Version, Wrong };

    explicit CommandLine(const QStringList& arguments);

    Outcome outcome() const { return m_outcome; }
    // For Wrong: what is wrong with the arguments, as one line.
    QString error() const { return m_error; }

    // What --help prints; `program` is the name the program was started by.
    static QString helpText(const QString& program);
    static QString versionText();

private:
    Outcome m_outcome = Outcome::Run;
    QString m_error;
};
