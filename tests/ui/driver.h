// Drives a fresh ConverterWindow the way a user does: real key and mouse events on the
// real widgets, controls found by their object names. Run-time errors are
// caught by a reporter that records the messages instead of a modal box,
// unless a test asks for the box the user sees.
#pragma once

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>

#include "converter_window.h"
#include "copy_sign.h"
#include "picture_button.h"
#include "places_spin.h"
#include "text_box.h"

// Readable failure messages for Qt's strings.
// NOLINTNEXTLINE(readability-identifier-naming): the name GoogleTest looks for
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
// NOLINTNEXTLINE(readability-identifier-naming): the name GoogleTest looks for
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{' << list.join(QStringLiteral(", ")).toStdString() << '}';
}

namespace metrova::ui::test {

class Window {
public:
    enum class Reporting : std::uint8_t { recorded, message_box };

    explicit Window(Reporting reporting = Reporting::recorded);

    ConverterWindow& window() { return *window_; }
    [[nodiscard]] const QStringList& messages() const { return messages_; }

    template <typename Control>
    Control* find(const char* name) {
        auto* control = window_->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QComboBox* category() { return find<QComboBox>("categoryList"); }
    QComboBox* source() { return find<QComboBox>("sourceList"); }
    QComboBox* target() { return find<QComboBox>("targetList"); }
    TextBox* value() { return find<TextBox>("valueBox"); }
    QLabel* result() { return find<QLabel>("resultLabel"); }
    TextBox* places() { return find<TextBox>("placesBox"); }
    PlacesSpin* spin() { return find<PlacesSpin>("placesSpin"); }
    QRadioButton* decimal() { return find<QRadioButton>("decimalButton"); }
    QRadioButton* scientific() { return find<QRadioButton>("scientificButton"); }
    QPushButton* swap() { return find<QPushButton>("swapButton"); }
    QPushButton* quit() { return find<QPushButton>("quitButton"); }
    PictureButton* go() { return find<PictureButton>("goButton"); }
    CopySign* copySign() { return find<CopySign>("copySign"); }

    // Keys go where the keyboard focus is, as typed keys do.
    void type(const QString& text);
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void click(QWidget* widget, QPoint at = {});
    // Opens the list's popup with a click and clicks the entry at `row`.
    void pick(QComboBox* list, int row);
    void pick(QComboBox* list, const char* label) { pick(list, list->findText(QString::fromLatin1(label))); }
    void wheel(QWidget* widget, int notches);
    // Puts text on the clipboard and pastes it with Shift+Insert into the
    // focused box.
    void paste(const QString& text);
    void spinUp();
    void spinDown();

    [[nodiscard]] QWidget* focus() const;
    // The box has the focus with its whole text selected.
    ::testing::AssertionResult focusedAndSelected(QLineEdit* box) const;
    QStringList items(QComboBox* list) const;

private:
    std::unique_ptr<ConverterWindow> window_;
    QStringList messages_;
};

// What a screen reader speaks: each announcement event's message, and each
// time an object of role notification shows, its name. Heard takes every
// accessibility update that Qt would pass to the platform while it lives, and
// watches every widget that shows (Qt's bridge turns that into the object's
// "showing" state) and asks Qt's accessibility for its role and name, as the
// bridge does.
class Heard : public QObject {
public:
    Heard();
    ~Heard() override;
    Heard(const Heard&) = delete;
    Heard& operator=(const Heard&) = delete;
    Heard(Heard&&) = delete;
    Heard& operator=(Heard&&) = delete;

    // What was announced since the last call, once the pending announcement
    // was made.
    QStringList take();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void updated(QAccessibleEvent* event);

    QStringList said_;
    QAccessible::UpdateHandler before_ = nullptr;
};

// "3" -> " Length" etc.: the labels of a category, as a list's entries.
QStringList labelsOf(Index category);

// Runs the event loop as the program does and returns its exit status; a
// loop still running after `limit` is ended with kHungLoop (and a failure),
// so that a broken Quit fails the test instead of hanging it.
inline constexpr int kHungLoop = 99;
int runEventLoop(std::chrono::milliseconds limit = std::chrono::seconds(10));

}  // namespace metrova::ui::test
