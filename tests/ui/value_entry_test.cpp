// The value box: its key filter, Enter and Escape, the selection it gets with
// the focus, and the Optics write-back.
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>

#include "driver.h"

namespace metrova::ui::test {
namespace {

TEST(ValueEntry, TheKeyFilterKeepsToNumbers) {
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {
        {"1.5.", "1.5"},  // a second period is refused
        {"1e5E", "1e5"},  // one exponent letter, either case
        {"1E5e", "1E5"},
        {"--1-", "--1-"},   // minus signs are never refused
        {"2a b,c+x", "2"},  // other letters, the blank, the comma, the plus
        {"0123456789", "0123456789"},
    };
    for (const auto& c : cases) {
        Window w;
        w.type(QString::fromLatin1(c.typed));
        EXPECT_EQ(w.value()->text(), c.kept) << c.typed;
    }
}

TEST(ValueEntry, SearchesSeeTheSelectedTextToo) {
    Window w;
    w.type("2.5");
    w.press(Qt::Key_Return);  // selects the whole text
    w.type(".");
    EXPECT_EQ(w.value()->text(), "2.5");
    w.type("7.");
    EXPECT_EQ(w.value()->text(), "7.");
}

TEST(ValueEntry, ControlCharactersAndUnicodeAreRefused) {
    Window w;
    w.type("12");
    for (const Qt::Key letter : {Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z, Qt::Key_A}) {
        w.press(letter, Qt::ControlModifier);
    }
    w.press(Qt::Key_1, Qt::ControlModifier);
    QKeyEvent euro(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\u20ac"));
    QApplication::sendEvent(w.value(), &euro);
    EXPECT_EQ(w.value()->text(), "12");
}

TEST(ValueEntry, EditingKeysAndPastingPassTheFilter) {
    Window w;
    w.type("123");
    w.press(Qt::Key_Left);
    w.press(Qt::Key_Backspace);
    EXPECT_EQ(w.value()->text(), "13");
    w.press(Qt::Key_Home);
    w.press(Qt::Key_Delete);
    EXPECT_EQ(w.value()->text(), "3");
    w.paste(QStringLiteral(" x,y"));  // pasted text is not filtered
    EXPECT_EQ(w.value()->text(), " x,y3");
}

TEST(ValueEntry, EscapeRestoresTheTextTheBoxHadWhenItGotTheFocus) {
    Window w;
    w.type("12");
    w.click(w.places());
    w.press(Qt::Key_Tab);  // on to the value box: 12 is selected
    ASSERT_TRUE(w.focusedAndSelected(w.value()));
    EXPECT_EQ(w.window().valueOnFocus(), "12");
    w.type("345");
    EXPECT_EQ(w.value()->text(), "345");
    w.press(Qt::Key_Escape);
    EXPECT_EQ(w.value()->text(), "12");
    EXPECT_TRUE(w.focusedAndSelected(w.value()));
    EXPECT_EQ(w.result()->text(), "");  // Escape converts nothing
}

TEST(ValueEntry, EnterConvertsAndSelectsTheWholeText) {
    Window w;
    w.pick(w.category(), " Velocity");
    w.type("36");
    w.press(Qt::Key_Enter);  // the keypad's Enter
    EXPECT_EQ(w.result()->text(), "129.600");
    EXPECT_TRUE(w.focusedAndSelected(w.value()));
    EXPECT_EQ(w.window().valueOnFocus(), "36");
}

TEST(ValueEntry, EnterInAnEmptyBoxClearsTheResult) {
    Window w;
    w.type("36");
    w.press(Qt::Key_Return);
    ASSERT_NE(w.result()->text(), "");
    w.press(Qt::Key_Backspace);
    w.press(Qt::Key_Return);
    EXPECT_EQ(w.result()->text(), "");
    EXPECT_EQ(w.focus(), w.value());
}

TEST(ValueEntry, BlanksAloneConvertAsZero) {
    Window w;
    w.pick(w.category(), " Temperature");
    w.paste(QStringLiteral("   "));
    w.press(Qt::Key_Return);
    EXPECT_EQ(w.result()->text(), "32.000");
}

TEST(ValueEntry, TabAndAClickIntoTheBoxSelectItsText) {
    Window w;
    w.pick(w.category(), " Length");
    w.type("2.5");
    w.click(w.swap());  // Swap moves the focus back with the text selected
    ASSERT_TRUE(w.focusedAndSelected(w.value()));
    w.press(Qt::Key_Tab);
    EXPECT_EQ(w.focus(), w.source());
    w.press(Qt::Key_Backtab);
    EXPECT_TRUE(w.focusedAndSelected(w.value()));

    w.click(w.places());
    w.click(w.value(), {5, 10});  // brings the focus: all selected
    EXPECT_TRUE(w.focusedAndSelected(w.value()));
    w.click(w.value(), {5, 10});  // a later click places the caret
    EXPECT_FALSE(w.value()->hasSelectedText());
}

TEST(ValueEntry, TabVisitsTheControlsInOrder) {
    Window w;
    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        w.press(Qt::Key_Tab);
        visited << w.focus()->objectName();
    }
    EXPECT_EQ(visited, (QStringList{"sourceList", "targetList", "swapButton", "quitButton", "decimalButton",
                                    "categoryList", "placesBox", "valueBox"}));
}

TEST(ValueEntry, OpticsWriteBackAndInitialValue) {
    Window w;
    w.pick(w.source(), " Decibel (dB)");
    w.pick(w.target(), " Percent (%)");
    w.type("3");
    w.press(Qt::Key_Return);
    EXPECT_EQ(w.value()->text(), "-3");
    EXPECT_EQ(w.result()->text(), "50.119");
    EXPECT_TRUE(w.focusedAndSelected(w.value()));
    EXPECT_EQ(w.window().valueOnFocus(), "-3");
    w.type("4");
    w.press(Qt::Key_Escape);
    EXPECT_EQ(w.value()->text(), "-3");
}

TEST(ValueEntry, NegativePercentIsMadePositive) {
    Window w;
    w.type("-50");
    w.click(w.go());
    EXPECT_EQ(w.value()->text(), "50");
    EXPECT_EQ(w.result()->text(), "-3.010");
}

TEST(ValueEntry, EqualUnitsWriteNothingBack) {
    Window w;
    w.pick(w.source(), " Optical Density (OD)");
    w.pick(w.target(), " Optical Density (OD)");
    w.type("-2");
    w.press(Qt::Key_Return);
    EXPECT_EQ(w.value()->text(), "-2");
    EXPECT_EQ(w.result()->text(), "-2.000");
}

}  // namespace
}  // namespace metrova::ui::test

namespace metrova::ui::test {
namespace {

// The two ways the keyboard opens the value box's menu: the Menu key, which
// the window system turns into a context-menu event, and Shift+F10, pressed
// through the window as a key on the keyboard arrives.
void openByMenuKey(TextBox* box) {
    const QPoint at = box->rect().center();
    QContextMenuEvent open(QContextMenuEvent::Keyboard, at, box->mapToGlobal(at));
    QApplication::sendEvent(box, &open);
}
void openByShiftF10(TextBox* box) { QTest::keyClick(box->window()->windowHandle(), Qt::Key_F10, Qt::ShiftModifier); }

// The entries of the value box's menu as `open` opens it, and whether Copy
// Result is enabled; the menu is closed again.
std::pair<QStringList, bool> valueBoxMenu(Window& w, void (*open)(TextBox*)) {
    open(w.value());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return {{QStringLiteral("(no menu)")}, false};
    QStringList entries;
    for (const QAction* entry : menu->actions()) {
        if (!entry->isSeparator())
            entries << entry->text() + (entry->shortcut().isEmpty() ? "" : " " + entry->shortcut().toString());
    }
    const bool copyEnabled = !menu->actions().isEmpty() && menu->actions().first()->isEnabled();
    menu->close();
    return {entries, copyEnabled};
}

TEST(ValueBoxMenu, CopyResultFirstWithItsKeyAndNoRefusedShortcut) {
    for (const auto open : {openByMenuKey, openByShiftF10}) {
        SCOPED_TRACE(open == openByMenuKey ? "Menu" : "Shift+F10");
        Window w;
        auto [entries, enabled] = valueBoxMenu(w, open);
        EXPECT_EQ(entries.first(), "Copy Result F9");  // the same entries with a result, then enabled
        EXPECT_FALSE(enabled);
        w.type("2");
        w.press(Qt::Key_Return);
        std::tie(entries, enabled) = valueBoxMenu(w, open);
        EXPECT_TRUE(enabled);
        for (const QString& entry : entries)
            EXPECT_FALSE(entry.contains(QStringLiteral("Ctrl"))) << entry.toStdString();
    }
}

}  // namespace
}  // namespace metrova::ui::test
