// Metrova's entry: the application, the window, its load handler, the event
// loop. The program takes no arguments of its own.
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <tuple>

#include "accessibility.h"
#include "fonts.h"
#include "form1.h"

namespace {

// Without a display Qt would abort; say so in one line instead.
bool has_display() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
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
    std::fprintf(stderr, "metrova: cannot open the window: %s\n",
                 reason.section(QLatin1Char('\n'), 0, 0).toLocal8Bit().constData());
    std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    if (!has_display()) {
        std::fputs("metrova: no display to open the window on (DISPLAY is not set)\n", stderr);
        return 1;
    }
    previous_handler = qInstallMessageHandler(start_up_messages);
    const QApplication app(argc, argv);
    qInstallMessageHandler(previous_handler);
    for (const auto& [type, message] : std::as_const(held_messages)) {
        if (previous_handler != nullptr) previous_handler(type, QMessageLogContext(), message);
    }
    held_messages.clear();
    QApplication::setApplicationName(QStringLiteral("Metrova"));
    QApplication::setApplicationVersion(QStringLiteral(METROVA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(METROVA_APP_ID));
    metrova::ui::install_font_substitutions();
    metrova::ui::install_accessibility();

    metrova::ui::Form1 form;
    form.Form_Load();
    return QApplication::exec();
}
