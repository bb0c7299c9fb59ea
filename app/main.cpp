// Metrova's entry: the command line, the application, the window, its load
// handler, the event loop.
#include <QApplication>
#include <QStringList>

#include <cstdlib>
#include <tuple>
#include <vector>

#include "accessibility.h"
#include "command_line.h"
#include "console.h"
#include "converter_window.h"
#include "fonts.h"

namespace {

// Without a display Qt would abort; say so in one line instead. Windows has
// no display variable: its desktop is always there.
bool has_display() {
#ifdef _WIN32
    return true;
#else
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#endif
}

// A display that is named but does not answer makes Qt end the start-up with
// warnings and a fatal message; say why in one line and exit with 1 instead
// of aborting. Messages of a start-up that succeeds are passed on afterwards.
// (A message handler is a plain function: its state has to live here.)
QtMessageHandler previous_handler = nullptr;
QList<std::tuple<QtMsgType, QString>> held_messages;

void start_up_messages(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type != QtFatalMsg) {
        held_messages.append({type, message});
        return;
    }
    const QString reason = held_messages.isEmpty() ? message : std::get<1>(held_messages.front());
    metrova::app::write_error(
        QStringLiteral("metrova: cannot open the window: %1\n").arg(reason.section(QLatin1Char('\n'), 0, 0)));
    std::_Exit(1);
}

QStringList arguments_of(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    using Action = metrova::app::CommandLine::Action;
    const metrova::app::CommandLine command_line = metrova::app::read_command_line(arguments_of(argc, argv));
    switch (command_line.action) {
        case Action::show_help:
        case Action::show_version: return metrova::app::write_output(command_line.output);
        case Action::refuse: metrova::app::write_error(command_line.output); return 2;
        case Action::open_window: break;
    }
    if (!command_line.names_display && !has_display()) {
        metrova::app::write_error(QStringLiteral("metrova: no display to open the window on (DISPLAY is not set)\n"));
        return 1;
    }
    // The application object keeps its argc and argv for its whole life.
    std::vector<QByteArray> qt_arguments;
    qt_arguments.reserve(command_line.qt_arguments.size());
    for (const QString& argument : command_line.qt_arguments) qt_arguments.push_back(argument.toLocal8Bit());
    std::vector<char*> qt_argv;
    qt_argv.reserve(qt_arguments.size() + 1);
    for (QByteArray& argument : qt_arguments) qt_argv.push_back(argument.data());
    qt_argv.push_back(nullptr);
    int qt_argc = static_cast<int>(qt_arguments.size());

    previous_handler = qInstallMessageHandler(start_up_messages);
    const QApplication app(qt_argc, qt_argv.data());
    qInstallMessageHandler(previous_handler);
    for (const auto& [type, message] : std::as_const(held_messages)) {
        if (previous_handler != nullptr) previous_handler(type, QMessageLogContext(), message);
    }
    held_messages.clear();
    QApplication::setApplicationName(QStringLiteral("Metrova"));
    QApplication::setApplicationVersion(QStringLiteral(METROVA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(METROVA_APP_ID));
    metrova::ui::installFontSubstitutions();
    metrova::ui::installAccessibility();

    metrova::ui::ConverterWindow window;
    window.start();
    return QApplication::exec();
}
