#include "driver.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#ifdef Q_OS_WIN
#include <windows.h>

#include <uiautomation.h>
#endif

namespace metrova::ui::test {

Window::Window(Reporting reporting) : window_(std::make_unique<ConverterWindow>()) {
    if (reporting == Reporting::recorded)
        window_->setReporter([this](const QString& message) { messages_ << message; });
    window_->start();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
}

void Window::type(const QString& text) {
    for (const QChar ch : text) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        const char ascii = ch.toLatin1();
        QTest::keyClick(target, ascii);
    }
}

void Window::press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, modifiers);
}

void Window::click(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at.isNull() ? widget->rect().center() : at);
}

void Window::pick(QComboBox* list, int row) {
    ASSERT_GE(row, 0);
    QTest::mouseClick(list, Qt::LeftButton);
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(view->isVisible()) << "the list's popup did not open";
    QTest::keyClick(view, Qt::Key_Home);
    for (int i = 0; i < row; ++i) QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_FALSE(view->isVisible());
}

void Window::wheel(QWidget* widget, int notches) {
    const QPointF at = QRectF(widget->rect()).center();
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

void Window::paste(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    press(Qt::Key_Insert, Qt::ShiftModifier);
}

void Window::spinUp() {
    const auto arrows = spin()->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    click(arrows[0]);
}

void Window::spinDown() {
    const auto arrows = spin()->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    click(arrows[1]);
}

QWidget* Window::focus() const { return QApplication::focusWidget(); }

::testing::AssertionResult Window::focusedAndSelected(QLineEdit* box) const {
    if (QApplication::focusWidget() != box) {
        return ::testing::AssertionFailure()
               << "the focus is in " << (focus() ? focus()->objectName().toStdString() : "nothing") << ", not "
               << box->objectName().toStdString();
    }
    if (box->selectedText() != box->text() || box->selectionStart() > 0) {
        return ::testing::AssertionFailure()
               << "selected \"" << box->selectedText().toStdString() << "\" of \"" << box->text().toStdString() << '"';
    }
    return ::testing::AssertionSuccess();
}

QStringList Window::items(QComboBox* list) const {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
    return entries;
}

int runEventLoop(std::chrono::milliseconds limit) {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [limit] {
        ADD_FAILURE() << "the event loop was still running after " << limit.count() << " ms";
        QCoreApplication::exit(kHungLoop);
    });
    watchdog.start(limit);
    return QApplication::exec();
}

namespace {

Heard* listening = nullptr;

}  // namespace

Heard::Heard() {
    QApplication::instance()->installEventFilter(this);
    listening = this;
    before_ = QAccessible::installUpdateHandler(&Heard::updated);
#ifdef Q_OS_WIN
    // Qt passes accessibility updates on once a UI Automation client has
    // asked a window for its root element, as a screen reader does.
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible()) {
            SendMessageW(reinterpret_cast<HWND>(top->winId()), WM_GETOBJECT, 0, static_cast<LPARAM>(UiaRootObjectId));
        }
    }
#endif
}

Heard::~Heard() {
    QAccessible::installUpdateHandler(before_);
    listening = nullptr;
}

// The announcer announces from a queued call; the window system's own events
// (activation after a popup closed, ...) are left to the test's next step.
QStringList Heard::take() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    return std::exchange(said_, {});
}

bool Heard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(watched);
        if (iface != nullptr && iface->role() == QAccessible::Notification) said_ << iface->text(QAccessible::Name);
    }
    return false;
}

void Heard::updated(QAccessibleEvent* event) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (listening != nullptr && event->type() == QAccessible::Announcement) {
        listening->said_ << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
    }
#else
    static_cast<void>(event);
#endif
}

QStringList labelsOf(Index category) {
    QStringList labels;
    for (const std::string_view label : unit_labels(category)) {
        labels << QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
    }
    return labels;
}

}  // namespace metrova::ui::test
