// The yardstick of the program's start-up: the least a Qt Widgets program
// does to put a window on the screen, with the program's Qt, DLLs and
// plugins. One plain window of the program's size, then the event loop.
// bench/windows-startup times both from process start to the window mapped.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    const QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(481, 303);
    window.show();
    return QApplication::exec();
}
