// The command line: Metrova's two options, the options Qt reads itself, the
// help text made from the same table, and the one-line refusals.
#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>

#include <algorithm>

namespace metrova::app {
namespace {

using Action = CommandLine::Action;

QCommandLineOption listed(const char* name, const char* value_name, const char* description) {
    return {QString::fromLatin1(name), QString::fromLatin1(description), QString::fromLatin1(value_name)};
}

QCommandLineOption unlisted(const char* name, const char* value_name = "") {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QString::fromLatin1(value_name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

// What Qt 6.4's application objects and its X11 plugin take off the command
// line on Linux, each with the value it expects; Qt reads them again when the
// application object is made. The help lists those that Qt documents for
// users; the rest (X11 synonyms, debugging switches) are only accepted, so
// that a command line that worked before keeps working.
QList<QCommandLineOption> qt_options() {
    return {
        listed("platform", "name[:options]", "window system plugin: xcb, wayland, offscreen..."),
        listed("platformpluginpath", "path", "folder to load window system plugins from"),
        listed("platformtheme", "theme", "platform theme"),
        listed("plugin", "plugin", "further generic plugin to load (may be repeated)"),
        listed("display", "display", "X display to open the window on (X11)"),
        listed("geometry", "geometry", "the window's place, WxH+X+Y (X11)"),
        listed("qwindowgeometry", "geometry", "the same as -geometry, on every window system"),
        listed("qwindowtitle", "title", "the window's title"),
        listed("qwindowicon", "icon", "the window's icon"),
        listed("style", "style", "widget style: fusion, windows"),
        listed("stylesheet", "file", "style sheet to apply"),
        listed("reverse", "", "lay the window out from right to left"),
        listed("session", "session", "session to restore (given by the session manager)"),
        listed("widgetcount", "", "at exit, report the widgets left (debugging)"),
        unlisted("title", "title"),
        unlisted("icon", "icon"),
        unlisted("name", "name"),
        unlisted("visual", "visual"),
        unlisted("nograb"),
        unlisted("dograb"),
        unlisted("testability"),
        unlisted("qmljsdebugger", "arguments"),
    };
}

// An option as the help shows it: Metrova's own with the usual two dashes,
// Qt's word options with the one dash that Qt documents.
QString option_column(const QCommandLineOption& option, const QString& word_dashes) {
    QStringList names;
    for (const QString& name : option.names()) names << (name.size() == 1 ? QStringLiteral("-") : word_dashes) + name;
    QString column = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty()) column += QStringLiteral(" <%1>").arg(option.valueName());
    return column;
}

QString help_text(const QList<QCommandLineOption>& own, const QList<QCommandLineOption>& qt) {
    qsizetype width = 0;
    for (const auto& option : own) width = std::max(width, option_column(option, QStringLiteral("--")).size());
    for (const auto& option : qt) width = std::max(width, option_column(option, QStringLiteral("-")).size());

    QString text = QStringLiteral("Usage: metrova [options]\n" METROVA_DESCRIPTION ".\n");
    const auto section = [&](const QString& title, const QList<QCommandLineOption>& options, const QString& dashes) {
        text += QStringLiteral("\n%1\n").arg(title);
        for (const auto& option : options) {
            if (option.flags().testFlag(QCommandLineOption::HiddenFromHelp)) continue;
            text += QStringLiteral("  ") + option_column(option, dashes).leftJustified(width) + QStringLiteral("  ") +
                    option.description() + QLatin1Char('\n');
        }
    };
    section(QStringLiteral("Options:"), own, QStringLiteral("--"));
    section(QStringLiteral("Qt options (also as --option, and -option=value):"), qt, QStringLiteral("-"));
    return text;
}

// The parser names an unknown option without its dashes or value; the user
// is shown what they typed ("--frobnicate" for "--frobnicate=1").
QString as_typed(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--")) break;
        QString typed = argument.section(QLatin1Char('='), 0, 0);
        const qsizetype dashes = typed.startsWith(QLatin1String("--")) ? 2 : typed.startsWith(QLatin1Char('-')) ? 1 : 0;
        if (dashes > 0 && typed.mid(dashes) == name) return typed;
    }
    return QLatin1Char('-') + name;
}

// A Qt option that takes a value, named as typed after its dashes.
bool takes_value(const QList<QCommandLineOption>& qt, const QString& name) {
    return std::any_of(qt.begin(), qt.end(), [&](const QCommandLineOption& option) {
        return !option.valueName().isEmpty() && option.names().contains(name);
    });
}

// The arguments with each Qt option's -option=value (or --option=value) as
// two words, which Qt 6 reads for every option.
QStringList split_values(const QStringList& arguments, const QList<QCommandLineOption>& qt) {
    QStringList split = arguments.mid(0, 1);
    bool value_next = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--")) {
            split += arguments.mid(i);
            break;
        }
        // -platform -x=1 names the plugin "-x=1"; that word is not an option.
        if (value_next || !argument.startsWith(QLatin1Char('-'))) {
            split << argument;
            value_next = false;
            continue;
        }
        const qsizetype dashes = argument.startsWith(QLatin1String("--")) ? 2 : 1;
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.mid(dashes, equals < 0 ? -1 : equals - dashes);
        if (!takes_value(qt, name)) {
            split << argument;
        } else if (equals < 0) {
            split << argument;
            value_next = true;
        } else {
            split << argument.left(equals) << argument.mid(equals + 1);
        }
    }
    return split;
}

CommandLine refusal(const QString& reason) {
    return {Action::refuse, QStringLiteral("metrova: %1; try 'metrova --help'\n").arg(reason), false, {}};
}

// The parser's other messages are sentences ("Missing value after '-style'.");
// the refusal carries them as a clause.
QString as_clause(QString sentence) {
    if (sentence.endsWith(QLatin1Char('.'))) sentence.chop(1);
    if (!sentence.isEmpty()) sentence[0] = sentence[0].toLower();
    return sentence;
}

}  // namespace

CommandLine read_command_line(const QStringList& arguments) {
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("show this help and exit"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("show the version and exit"));
    const QList<QCommandLineOption> own{help, version};
    const QList<QCommandLineOption> qt = qt_options();

    QCommandLineParser parser;
    // Qt's options are words after one dash: -platform is not -p -l -a -t...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(own);
    parser.addOptions(qt);

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty()) return refusal(as_clause(parser.errorText()));
        return refusal(QStringLiteral("unknown option '%1'").arg(as_typed(arguments, unknown.first())));
    }
    // Metrova opens no files; a stray word is more likely a mistyped option
    // (a dash left out) than something to ignore.
    const QStringList stray = parser.positionalArguments();
    if (!stray.isEmpty()) return refusal(QStringLiteral("unexpected argument '%1'").arg(stray.first()));

    if (parser.isSet(help)) return {Action::show_help, help_text(own, qt), false, {}};
    if (parser.isSet(version))
        return {Action::show_version, QStringLiteral("metrova " METROVA_VERSION "\n"), false, {}};
    return {Action::open_window,
            {},
            parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display")),
            split_values(arguments, qt)};
}

}  // namespace metrova::app
