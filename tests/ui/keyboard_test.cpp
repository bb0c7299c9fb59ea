// The keyboard and assistive technology as users meet them: focus that a
// screen reader moves, the notation buttons' arrow keys, Enter on a focused
// button, and what is announced to screen readers, counted at Qt's
// accessibility boundary.
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <QAction>
#include <QClipboard>
#include <QMenu>

#include <chrono>
#include <thread>

#include "driver.h"
#include "result_label.h"

namespace metrova::ui::test {
namespace {

// A screen reader's grabFocus reaches Qt as this action.
void focusAsScreenReader(QWidget* control) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(iface, nullptr);
    ASSERT_NE(iface->actionInterface(), nullptr);
    iface->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
}

TEST(AssistiveFocus, AScreenReaderMovingTheFocusRunsTheFocusHandlers) {
    Window w;
    w.type("12");
    w.press(Qt::Key_Tab);
    ASSERT_EQ(w.focus(), w.source());
    focusAsScreenReader(w.value());
    EXPECT_TRUE(w.focusedAndSelected(w.value()));
    w.type("34");
    w.press(Qt::Key_Escape);  // back to what the box held when the focus arrived
    EXPECT_EQ(w.value()->text(), "12");

    w.places()->setFocus(Qt::OtherFocusReason);  // as a shortcut or an assistive tool would
    EXPECT_TRUE(w.focusedAndSelected(w.places()));
}

// A focus that only comes back runs nothing: the caret the user placed stays.
TEST(AssistiveFocus, AFocusThatOnlyComesBackRunsNothing) {
    Window w;
    w.type("123");
    w.press(Qt::Key_Left);
    ASSERT_FALSE(w.value()->hasSelectedText());
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    w.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window()));
    EXPECT_EQ(w.focus(), w.value());
    EXPECT_FALSE(w.value()->hasSelectedText());
    EXPECT_EQ(w.value()->cursorPosition(), 2);
    w.press(Qt::Key_Escape);
    EXPECT_EQ(w.value()->text(), "");  // the focus handler last ran at start-up
}

TEST(NotationKeys, AnArrowKeyEndsLikeAClickInTheValueBox) {
    Window w;
    w.pick(w.category(), " Length");
    w.pick(w.source(), " meter(m)");
    w.type("1234.5");
    w.press(Qt::Key_Return);
    w.decimal()->setFocus(Qt::TabFocusReason);
    w.press(Qt::Key_Down);
    EXPECT_TRUE(w.scientific()->isChecked());
    EXPECT_EQ(w.result()->text(), "1.23E+03");
    EXPECT_FALSE(w.places()->isVisible());
    EXPECT_TRUE(w.focusedAndSelected(w.value()));
    w.type("5");  // the next digits go to the value box
    w.press(Qt::Key_Return);
    EXPECT_EQ(w.result()->text(), "5.00E+00");

    w.scientific()->setFocus(Qt::TabFocusReason);
    w.press(Qt::Key_Left);
    EXPECT_TRUE(w.decimal()->isChecked());
    EXPECT_EQ(w.result()->text(), "5.000");
    EXPECT_TRUE(w.places()->isVisible());
    EXPECT_TRUE(w.focusedAndSelected(w.value()));
}

// With an empty value box a click converts nothing and leaves the focus on
// the button it chose; so does the arrow key.
TEST(NotationKeys, WithAnEmptyValueBoxTheFocusStaysOnTheChosenButton) {
    Window w;
    w.decimal()->setFocus(Qt::TabFocusReason);
    w.press(Qt::Key_Right);
    EXPECT_TRUE(w.scientific()->isChecked());
    EXPECT_EQ(w.focus(), w.scientific());
    w.press(Qt::Key_Down);  // no button after the last
    EXPECT_TRUE(w.scientific()->isChecked());
    w.press(Qt::Key_Up);
    EXPECT_TRUE(w.decimal()->isChecked());
    EXPECT_EQ(w.focus(), w.decimal());
}

TEST(ButtonKeys, EnterAndKeypadEnterPressAFocusedButtonAsSpaceDoes) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } presses[] = {
        {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Space, Qt::NoModifier}};
    for (const auto& p : presses) {
        SCOPED_TRACE(QKeySequence(p.key).toString().toStdString());
        Window w;
        w.pick(w.category(), " Length");
        w.type("2");
        for (int i = 0; i < 3; ++i) w.press(Qt::Key_Tab);
        ASSERT_EQ(w.focus(), w.swap());
        if (p.key == Qt::Key_Space) {
            QTest::keyClick(w.swap(), p.key, p.modifiers);
        } else {
            w.press(p.key, p.modifiers);
        }
        EXPECT_EQ(w.source()->currentText(), " meter(m)");
        EXPECT_EQ(w.target()->currentText(), " centimeter(cm)");
        EXPECT_EQ(w.result()->text(), "200.000");
        EXPECT_TRUE(w.focusedAndSelected(w.value()));
    }
}

TEST(ButtonKeys, EnterOnQuitEndsTheProgram) {
    Window w;
    for (int i = 0; i < 4; ++i) w.press(Qt::Key_Tab);
    ASSERT_EQ(w.focus(), w.quit());
    QTimer::singleShot(0, [&w] { w.press(Qt::Key_Return); });
    EXPECT_EQ(runEventLoop(), 0);
    EXPECT_FALSE(w.window().isVisible());
}

TEST(Announcements, EachResultIsSaidOnceWithItsUnit) {
    Window w;
    Heard heard;
    w.type("2");
    w.press(Qt::Key_Return);
    EXPECT_EQ(heard.take(), QStringList{"-16.990 Decibel (dB)"});
    w.press(Qt::Key_Return);  // the same text again is a result again
    EXPECT_EQ(heard.take(), QStringList{"-16.990 Decibel (dB)"});
    w.click(w.swap());  // four conversions, one result heard
    EXPECT_EQ(heard.take(), QStringList{"Decibel (dB) to Percent (%). 63.096 Percent (%)"});
    w.spinUp();  // the box's change and the arrow both render
    EXPECT_EQ(heard.take(), QStringList{"63.0957 Percent (%)"});
}

TEST(Announcements, APickNamesItsListAndEntryThenTheResult) {
    Window w;
    Heard heard;
    w.press(Qt::Key_Tab);
    w.press(Qt::Key_Down);  // the source list, closed
    EXPECT_EQ(w.source()->currentText(), " Decibel (dB)");
    EXPECT_EQ(w.focus(), w.value());
    EXPECT_EQ(heard.take(), QStringList{"Source unit Decibel (dB)"});  // nothing to convert
    w.type("2");
    w.pick(w.category(), " Length");
    EXPECT_EQ(heard.take(), QStringList{"Category Length: centimeter(cm) to meter(m). 0.020 meter(m)"});
    w.click(w.scientific());  // the focus goes on to the value box
    EXPECT_EQ(heard.take(), QStringList{"Scientific notation. 2.00E-02 meter(m)"});
    w.value()->clear();
    w.click(w.decimal());  // the button keeps the focus and is read as such
    EXPECT_EQ(heard.take(), QStringList{});
}

TEST(Announcements, AnErrorOrAnUnusablePlacesValueSaysNoResult) {
    Window w;
    Heard heard;
    w.type("1e999");
    w.press(Qt::Key_Return);
    EXPECT_EQ(heard.take(), QStringList{});
    w.places()->setText(QStringLiteral("11"));
    w.value()->setText(QStringLiteral("5"));
    w.press(Qt::Key_Return);
    EXPECT_EQ(heard.take(), QStringList{});
}

}  // namespace
}  // namespace metrova::ui::test

namespace metrova::ui::test {
namespace {

// F9 and the result's own Copy Result copy the label's text, whole even when it is
// shown cut, wherever the focus is; with no result shown neither does anything.
TEST(CopyResult, F9AndTheResultsMenuPutTheWholeResultOnTheClipboardAndAreHeard) {
    Window w;
    Heard heard;
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    w.press(Qt::Key_F9);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    EXPECT_EQ(heard.take(), QStringList{});
    QAction* const menuCopy = w.result()->actions().value(0);  // the result's own menu: Copy Result
    ASSERT_NE(menuCopy, nullptr);
    EXPECT_FALSE(menuCopy->isEnabled());
    w.pick(w.category(), " Mass");
    w.type("1e303");
    w.press(Qt::Key_Return);
    for (int i = 0; i < 7; ++i) w.spinUp();
    const QString whole = QStringLiteral("1") + QString(300, QLatin1Char('0')) + QStringLiteral(".0000000000");
    ASSERT_EQ(w.result()->text(), whole);
    heard.take();
    w.press(Qt::Key_Tab);  // the focus elsewhere: the key is the window's
    w.press(Qt::Key_F9);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), whole);
    EXPECT_EQ(heard.take(), QStringList{"Result copied: " + whole});
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    ASSERT_TRUE(menuCopy->isEnabled());
    menuCopy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), whole);
    EXPECT_EQ(heard.take(), QStringList{"Result copied: " + whole});
    const QString shown = static_cast<ResultLabel*>(w.result())->shownText();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_TRUE(whole.startsWith(shown.chopped(1)));
}

// The three ways to copy, as a user takes them. A menu is driven by keys
// once it is open (the result's own menu runs its own event loop): its first
// entry is chosen when it is enabled, and otherwise the menu is closed.
void chooseFirstEntryOfNextMenu() {
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        if (menu->actions().isEmpty() || !menu->actions().first()->isEnabled()) {
            QTest::keyClick(menu, Qt::Key_Escape);
            return;
        }
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
}

void copyByF9(Window& w) { w.press(Qt::Key_F9); }
void copyFromValueBoxMenu(Window& w) {
    chooseFirstEntryOfNextMenu();  // Copy Result
    QTest::keyClick(w.window().windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    QTest::qWait(0);
}
void copyFromResultMenu(Window& w) {
    chooseFirstEntryOfNextMenu();  // Copy Result
    QTest::mouseClick(w.window().windowHandle(), Qt::RightButton, Qt::NoModifier, w.result()->geometry().center());
    // Offscreen, the window is not made active again when the menu closes,
    // as a window manager does.
    w.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window()));
}

// A copy shows "Copied" at the result for a moment, over no other control,
// while the value box keeps the focus and its selection; it is heard once,
// as the copy and not as the sign.
TEST(CopyResult, EachWayOfCopyingShowsABriefSignAtTheResult) {
    const struct {
        const char* way;
        void (*copy)(Window&);
    } ways[] = {
        {"F9", copyByF9}, {"the value box's menu", copyFromValueBoxMenu}, {"the result's menu", copyFromResultMenu}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        Window w;
        Heard heard;
        CopySign* sign = w.copySign();
        ASSERT_NE(sign, nullptr);
        way.copy(w);  // no result yet: nothing to copy, no sign
        EXPECT_FALSE(sign->isVisible());
        w.type("2");
        w.press(Qt::Key_Return);
        heard.take();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        way.copy(w);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "-16.990");
        ASSERT_TRUE(sign->isVisible());
        EXPECT_EQ(sign->text(), "Copied");
        EXPECT_TRUE(w.focusedAndSelected(w.value()));
        for (QWidget* control : w.window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control == sign || !control->isVisible() || control->objectName() == "announcer") continue;
            EXPECT_FALSE(control->geometry().intersects(sign->geometry())) << control->objectName().toStdString();
        }
        // Its time runs out now rather than after a moment of the clock's.
        sign->setShownFor(std::chrono::milliseconds(0));
        EXPECT_EQ(heard.take(), QStringList{"Result copied: -16.990"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return !sign->isVisible(); }, 5000)) << "the sign stays";
        EXPECT_TRUE(w.focusedAndSelected(w.value()));
    }
}

// "Copied" speaks of the result it was shown for: a new result takes it away.
TEST(CopyResult, ANewResultTakesTheSignAway) {
    Window w;
    w.type("2");
    w.press(Qt::Key_Return);
    w.press(Qt::Key_F9);
    ASSERT_TRUE(w.copySign()->isVisible());
    w.type("5");
    w.press(Qt::Key_Return);
    EXPECT_FALSE(w.copySign()->isVisible());
}

}  // namespace
}  // namespace metrova::ui::test

namespace metrova::ui::test {
namespace {

// Keys for a list, one a character: '|' gives the list the focus, '^' opens
// its popup (Alt+Down), '>' and '<' are Down and Up, '.' is Enter, ',' is a
// pause longer than the keyboard search's interval, and any other character
// is typed.
void drive(Window& w, QComboBox* list, const char* keys) {
    for (const char* key = keys; *key != '\0'; ++key) {
        switch (*key) {
            case '|': list->setFocus(Qt::TabFocusReason); break;
            case '^':
                w.press(Qt::Key_Down, Qt::AltModifier);
                ASSERT_TRUE(list->view()->isVisible()) << "the list's popup did not open";
                break;
            case '>': w.press(Qt::Key_Down); break;
            case '<': w.press(Qt::Key_Up); break;
            case '.': w.press(Qt::Key_Return); break;
            case ',':  // no events handled meanwhile, as none come from the user
                std::this_thread::sleep_for(std::chrono::milliseconds(QApplication::keyboardInputInterval() + 100));
                break;
            default: w.type(QString(QLatin1Char(*key)));
        }
    }
}

// What the user meets after a pick: the lists, the result, the focus and
// what was heard.
QStringList outcome(Window& w, Heard& heard) {
    return {w.category()->currentText(),
            w.items(w.source()).join(QLatin1Char(',')),
            w.source()->currentText(),
            w.target()->currentText(),
            w.value()->text(),
            w.result()->text(),
            w.focus() != nullptr ? w.focus()->objectName() : QStringLiteral("no focus"),
            heard.take().join(QLatin1Char('|')),
            w.messages().join(QLatin1Char('|'))};
}

// Typing in a list finds an entry by its text after the leading blank, closed
// or open, and picks it as the arrow keys do: the same handlers, the same
// lists, result and focus afterwards, the same words heard.
TEST(TypeAhead, ALetterPicksAsTheArrowKeysDo) {
    const struct {
        const char* category;  // picked first
        const char* list;
        const char* typed;
        const char* arrows;
        const char* picked;
    } rows[] = {
        {" Optics", "categoryList", "|p", "|>", " Pressure"},
        {" Optics", "categoryList", "|P", "|>", " Pressure"},
        {" Optics", "sourceList", "|d", "|>", " Decibel (dB)"},
        {" Optics", "targetList", "|p", "|<", " Percent (%)"},
        {" Volume", "sourceList", "|c|c", "|>|<", " cubic centimeter"},  // the same letter again: the next
        {" Optics", "categoryList", "|z", "|", " Optics"},               // nothing starts with it
        {" Optics", "targetList", "|d", "|", " Decibel (dB)"},           // only the current entry does
        // letters typed quickly after a pick went on to the value box
        {" Optics", "categoryList", "|ve", "|^>>>>>>.|^>>.", " Velocity"},
        {" Optics", "sourceList", "|de", "|>", " Decibel (dB)"},
        {" Optics", "sourceList", "|d,5", "|>5", " Decibel (dB)"},  // after a pause, the value
        {" Optics", "sourceList", "|d5", "|>5", " Decibel (dB)"},   // a digit is the value's at once
        {" Optics", "categoryList", "|^p.", "|^>.", " Pressure"},
        {" Optics", "categoryList", "|^vvv.", "|^>>>>>>.", " Volume"},
        {" Optics", "categoryList", "|^ve.", "|^>>>>>>>>.", " Velocity"},  // a prefix
        {" Optics", "categoryList", "|^v,e.", "|^>>>.", " Energy"},
        {" Optics", "categoryList", "|^z.", "|^.", " Optics"},
        {" Volume", "sourceList", "|^ba.", "|^>>>>>>>>>>.", " barrel"},
        {" Volume", "targetList", "|^b.", "|^>>>>>>>.", " bushel (England)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.list) + " " + row.typed);
        QStringList after[2];
        for (int route = 0; route < 2; ++route) {
            Window w;
            w.pick(w.category(), row.category);
            w.type("2");
            auto* list = w.find<QComboBox>(row.list);
            Heard heard;
            heard.take();  // the first pick's
            drive(w, list, route == 0 ? row.typed : row.arrows);
            EXPECT_EQ(list->currentText(), row.picked);
            after[route] = outcome(w, heard);
        }
        EXPECT_EQ(after[0], after[1]);
    }
}

}  // namespace
}  // namespace metrova::ui::test
