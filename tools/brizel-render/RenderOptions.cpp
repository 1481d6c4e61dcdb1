// SPDX-License-Identifier: GPL-3.0-or-later
#include "RenderOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

std::optional<RenderOptions::Look> lookOf(const QString& text) {
    if (text == QLatin1String("up"))
        return RenderOptions::Look::Up;
    if (text == QLatin1String("down"))
        return RenderOptions::Look::Down;
    if (text == QLatin1String("hover"))
        return RenderOptions::Look::Hover;
    if (text == QLatin1String("disabled"))
        return RenderOptions::Look::Disabled;
    return std::nullopt;
}

} // namespace

QString RenderOptions::usage() {
    return QStringLiteral(
        "Usage: brizel-render --props FILE --size WxH --look up|down|hover|disabled [--focus] [--default]\n"
        "                     --out FILE.png [--library PATH]\n"
        "       brizel-render --window [--library PATH]\n"
        "\n"
        "Draws one Brizel button as PNG (pixels outside the button's shape are transparent), or shows a\n"
        "window with a row of buttons of every style and the library's about window.\n"
        "\n"
        "FILE holds one stored property set, one key=value line each, keys in any case:\n"
        "  BTYPE COLTYPE BCOL BCOLO FCOL FCOLO MCOL FX PICPOS MPTR  numbers, colours as decimal RGB\n"
        "                                                          (red + 256*green + 65536*blue)\n"
        "  ENAB FOCUSR SOFT UMCOL NGREY CHECK VALUE                -1/0 or True/False\n"
        "  TX                                                      caption, '&' marks the access key\n"
        "  FONT                                                    name,size,bold,italic,underline,charset\n"
        "                                                          e.g. FONT=Wingdings,18,0,0,0,2\n"
        "  PICN PICH MICON                                         image files, relative to FILE\n");
}

std::optional<RenderOptions> RenderOptions::parse(const QStringList& arguments, QString* error,
                                                  bool* helpShown) {
    QCommandLineParser parser;
    const QCommandLineOption props(QStringLiteral("props"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption size(QStringLiteral("size"), QString(), QStringLiteral("WxH"));
    const QCommandLineOption look(QStringLiteral("look"), QString(), QStringLiteral("LOOK"),
                                  QStringLiteral("up"));
    const QCommandLineOption focus(QStringLiteral("focus"));
    const QCommandLineOption isDefault(QStringLiteral("default"));
    const QCommandLineOption out(QStringLiteral("out"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption library(QStringLiteral("library"), QString(), QStringLiteral("PATH"));
    const QCommandLineOption window(QStringLiteral("window"));
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    parser.addOptions({props, size, look, focus, isDefault, out, library, window, help});
    *helpShown = false;
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(help)) {
        *helpShown = true;
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first());
        return std::nullopt;
    }
    RenderOptions options;
    options.library = parser.value(library);
    options.window = parser.isSet(window);
    if (options.window)
        return options;
    options.propsFile = parser.value(props);
    options.outFile = parser.value(out);
    if (options.propsFile.isEmpty() || options.outFile.isEmpty() || !parser.isSet(size)) {
        *error = QStringLiteral("--props, --size and --out are required");
        return std::nullopt;
    }
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^(\\d{1,4})x(\\d{1,4})$")).match(parser.value(size));
    if (!match.hasMatch() || match.captured(1).toInt() == 0 || match.captured(2).toInt() == 0) {
        *error = QStringLiteral("--size must be WxH in pixels from 1 to 9999, e.g. 96x32");
        return std::nullopt;
    }
    options.size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
    const std::optional<Look> chosen = lookOf(parser.value(look));
    if (!chosen) {
        *error =
            QStringLiteral("--look must be up, down, hover or disabled, not '%1'").arg(parser.value(look));
        return std::nullopt;
    }
    options.look = *chosen;
    options.focus = parser.isSet(focus);
    options.isDefault = parser.isSet(isDefault);
    return options;
}
