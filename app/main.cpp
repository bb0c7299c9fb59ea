// Metrova's entry: the application, the window, its load handler, the event
// loop. The program takes no arguments of its own.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

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

}  // namespace

int main(int argc, char** argv) {
    if (!has_display()) {
        std::fputs("metrova: no display to open the window on (DISPLAY is not set)\n", stderr);
        return 1;
    }
    const QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Metrova"));
    QApplication::setApplicationVersion(QStringLiteral(METROVA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(METROVA_APP_ID));
    metrova::ui::install_font_substitutions();
    metrova::ui::install_accessibility();

    metrova::ui::Form1 form;
    form.Form_Load();
    return QApplication::exec();
}
