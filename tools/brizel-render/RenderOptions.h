// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// The command line of brizel-render.
struct RenderOptions {
    enum class Look { Up, Down, Hover, Disabled };

    QString propsFile;
    QSize size;
    Look look = Look::Up;
    bool focus = false;
    bool isDefault = false;
    QString outFile;
    QString library; // empty: the button library beside the program
    bool window = false;

    // The options, or nothing with a message in `error` (also for --help, with the usage text).
    static std::optional<RenderOptions> parse(const QStringList& arguments, QString* error, bool* helpShown);
    static QString usage();
};
