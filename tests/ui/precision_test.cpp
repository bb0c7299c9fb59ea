// The notation buttons, the decimal-places box and its spin control.
#include <QTest>

#include "driver.h"
#include "same_bits.h"

namespace metrova::ui::test {
namespace {

// 12.3456 m in meters, converted and shown with three places.
void convert123456(Window& w) {
    w.pick(w.category(), " Length");
    w.pick(w.source(), " meter(m)");
    w.type("12.3456");
    w.press(Qt::Key_Return);
    ASSERT_EQ(w.result()->text(), "12.346");
}

TEST(Notation, ScientificHidesThePlacesAndDecimalBringsThemBack) {
    Window w;
    w.pick(w.category(), " Length");
    w.pick(w.source(), " meter(m)");
    w.type("1234.5");
    w.click(w.scientific());
    EXPECT_EQ(w.result()->text(), "1.23E+03");
    EXPECT_FALSE(w.places()->isVisible());
    EXPECT_FALSE(w.spin()->isVisible());
    EXPECT_TRUE(w.focusedAndSelected(w.value()));
    w.click(w.decimal());
    EXPECT_EQ(w.result()->text(), "1234.500");
    EXPECT_TRUE(w.places()->isVisible());
    EXPECT_TRUE(w.spin()->isVisible());
    EXPECT_EQ(w.places()->text(), "3");
}

TEST(Notation, OnlyTheSelectedButtonIsATabStop) {
    Window w;
    w.click(w.scientific());
    w.press(Qt::Key_Tab);  // from Scientific, which kept the focus (the value box is empty)
    EXPECT_EQ(w.focus(), w.category());
    w.press(Qt::Key_Backtab);
    EXPECT_EQ(w.focus(), w.scientific());
}

TEST(Spin, ArrowsStepThePlacesAndRenderTheAnswer) {
    Window w;
    convert123456(w);
    w.spinDown();
    EXPECT_EQ(w.places()->text(), "2");
    EXPECT_EQ(w.result()->text(), "12.35");
    w.spinDown();
    EXPECT_EQ(w.places()->text(), "1");
    EXPECT_EQ(w.result()->text(), "12.3");
    EXPECT_TRUE(w.focusedAndSelected(w.value()));
    EXPECT_EQ(w.spin()->focusPolicy(), Qt::NoFocus);
}

TEST(Spin, StopsAtTenAndStillRenders) {
    Window w;
    convert123456(w);
    w.click(w.places());
    w.type("1");  // accepted, and the focus goes back to the value box
    w.click(w.places());
    w.press(Qt::Key_End);
    w.type("0");
    ASSERT_EQ(w.places()->text(), "10");
    w.spinUp();
    EXPECT_EQ(w.places()->text(), "10");
    EXPECT_EQ(w.result()->text(), "12.3456000000");
}

TEST(Spin, WithAnEmptyValueBoxTheArrowRendersTheStoredAnswer) {
    Window w;
    convert123456(w);
    w.press(Qt::Key_Backspace);
    w.spinUp();  // the change clears the label, the arrow's own event renders the answer
    EXPECT_EQ(w.places()->text(), "4");
    EXPECT_EQ(w.result()->text(), "12.3456");
}

TEST(Spin, TheWheelAndTheArrowKeysStepLikeClicks) {
    Window w;
    convert123456(w);
    w.wheel(w.spin(), -2);
    EXPECT_EQ(w.places()->text(), "1");
    EXPECT_EQ(w.result()->text(), "12.3");
    w.click(w.places());
    w.press(Qt::Key_Up);
    EXPECT_EQ(w.places()->text(), "2");
    EXPECT_EQ(w.result()->text(), "12.35");
    EXPECT_EQ(w.focus(), w.value());
}

TEST(Spin, StepsFromItsOwnValueWhenTheBoxNamesNoPlaces) {
    Window w;
    convert123456(w);
    w.click(w.places());
    w.paste(QStringLiteral("1e999"));  // unreadable: an unusable value, not an error
    EXPECT_TRUE(w.messages().isEmpty());
    EXPECT_EQ(w.result()->text(), "12.346");
    w.spinUp();  // from its own 3
    EXPECT_EQ(w.places()->text(), "4");
    EXPECT_EQ(w.result()->text(), "12.3456");
    EXPECT_TRUE(w.messages().isEmpty());
}

TEST(PlacesBox, KeepsToDigitsThatNameAtMostTenPlaces) {
    const struct {
        const char* typed;
        const char* kept;
        const char* afterBackspace;
    } cases[] = {
        {"a.-e+ ", "", ""},                        // every non-digit is refused
        {"15", "1", ""},                           // 15 would name too many places
        {"10", "10", "1"},    {"100", "10", "1"},  // refused, and Backspace still works
        {"007", "007", "00"},
    };
    for (const auto& c : cases) {
        Window w;  // the value box is empty, so the focus stays in the places box
        w.click(w.places());
        w.press(Qt::Key_Backspace);
        w.type(QString::fromLatin1(c.typed));
        EXPECT_EQ(w.places()->text(), c.kept) << c.typed;
        w.press(Qt::Key_Backspace);
        EXPECT_EQ(w.places()->text(), c.afterBackspace) << c.typed;
    }
}

TEST(PlacesBox, ADigitRendersAtOnceAndReturnsTheFocus) {
    Window w;
    convert123456(w);
    w.click(w.places());
    EXPECT_TRUE(w.focusedAndSelected(w.places()));
    w.type("1");
    EXPECT_EQ(w.result()->text(), "12.3");
    EXPECT_TRUE(w.focusedAndSelected(w.value()));
}

TEST(PlacesBox, AnEmptyBoxShowsWholeNumbers) {
    Window w;
    convert123456(w);
    w.click(w.places());
    w.press(Qt::Key_Backspace);
    EXPECT_EQ(w.places()->text(), "");
    EXPECT_EQ(w.result()->text(), "12");
}

TEST(PlacesBox, AnUnusableValueKeepsTheLabel) {
    Window w;
    convert123456(w);
    w.click(w.places());
    w.paste(QStringLiteral("2.5"));
    EXPECT_EQ(w.result()->text(), "12.346");
    w.type("1");  // back in the value box, whose text is selected
    w.press(Qt::Key_Return);
    EXPECT_SAME_BITS(w.window().answer(), 1.0);
    EXPECT_EQ(w.result()->text(), "12.346");  // still, while the box names no places
}

TEST(PlacesBox, ScientificIgnoresTheBox) {
    Window w;
    convert123456(w);
    w.click(w.places());
    w.paste(QStringLiteral("11"));
    w.click(w.scientific());
    EXPECT_EQ(w.result()->text(), "1.23E+01");
}

}  // namespace
}  // namespace metrova::ui::test
