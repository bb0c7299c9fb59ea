// The program's command line, read before the application object exists so
// that --help, --version and a wrong option need no display.
//
// Metrova has two options of its own (-h/--help, -v/--version) and takes no
// arguments. It accepts the options that Qt reads from the command line on
// Linux (-platform, -style, -display, ...) and leaves them in place for the
// application object; any other option, or any argument, is refused with one
// line, so that a mistyped option is not silently ignored.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace metrova::app {

struct CommandLine {
    enum class Action : std::uint8_t {
        open_window,
        show_help,     // output is the help text
        show_version,  // output is "metrova <version>\n"
        refuse,        // output is the one-line error, for standard error
    };
    Action action = Action::open_window;
    QString output;
    // -platform or -display was given: the window's display is named on the
    // command line rather than in the environment.
    bool names_display = false;
    // The arguments for the application object: those given, with each of
    // Qt's options written -option=value split into -option and value, as
    // Qt 6 reads that form only for -style and -stylesheet.
    QStringList qt_arguments;
};

// arguments as main() received them, the program's path first.
CommandLine read_command_line(const QStringList& arguments);

}  // namespace metrova::app
