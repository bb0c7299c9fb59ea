// The result's tooltip tells how the result was computed: hovered as a user
// does, after each kind of conversion.
#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "driver.h"

namespace metrova::ui::test {
namespace {

// The event Qt sends when the mouse rests on the result; the tooltip it shows.
QString hover(Window& w) {
    QToolTip::hideText();
    QLabel* label = w.result();
    const QPoint at = label->rect().center();
    QHelpEvent rest(QEvent::ToolTip, at, label->mapToGlobal(at));
    QApplication::sendEvent(label, &rest);
    return QToolTip::isVisible() ? QToolTip::text() : QStringLiteral("(no tooltip)");
}

TEST(Tooltip, TellsTheResultTheValueAndTheFormula) {
    Window w;
    w.pick(w.category(), " Length");
    w.pick(w.source(), " inch");
    w.type("1");
    w.press(Qt::Key_Return);
    EXPECT_EQ(hover(w), "0.0254 meter(m)\nfrom 1 inch: v × 0.0254");
}

TEST(Tooltip, NamesTheSignRuleThatChangedTheValue) {
    Window w;
    w.type("-50");
    w.press(Qt::Key_Return);
    EXPECT_EQ(w.value()->text(), "50");
    EXPECT_EQ(hover(w),
              "-3.01029995663981 Decibel (dB)\nfrom -50 Percent (%), v made non-negative: (ln v ÷ ln 10 − 2) × 10");
}

TEST(Tooltip, EqualUnitsPassTheValueThrough) {
    Window w;
    w.pick(w.target(), " Percent (%)");
    w.type("-7.25");
    w.press(Qt::Key_Return);
    EXPECT_EQ(hover(w), "-7.25 Percent (%)\nfrom -7.25 Percent (%): the same unit, passed through unchanged");
}

// The label keeps its text, and so does the tooltip.
TEST(Tooltip, AFailedConversionLeavesItAsItWas) {
    Window w;
    w.pick(w.category(), " Mass");
    w.type("1e306");
    w.click(w.scientific());  // converts, and keeps the long result short
    EXPECT_EQ(hover(w), "1E+303 kilogram (kg)\nfrom 1E+306 gram (g): v ÷ 1000");
    w.pick(w.source(), " kilogram (kg)");
    const QString kept = hover(w);
    ASSERT_EQ(kept, "1E+306 kilogram (kg)\nfrom 1E+306 kilogram (kg): the same unit, passed through unchanged");
    const QString shown = w.result()->text();
    w.pick(w.target(), " gram (g)");  // 1e309 g: overflow
    ASSERT_EQ(w.messages(),
              QStringList{"Run-time error: Overflow\nConverting 1E+306 kilogram (kg) to gram (g) gives a number "
                          "larger in size than 1.7976931348623157E+308, the largest there is."});
    EXPECT_EQ(w.result()->text(), shown);
    EXPECT_EQ(hover(w), kept);
}

// Places change what the label shows, never the value the tooltip gives.
TEST(Tooltip, KeepsFifteenDigitsWhateverThePlaces) {
    Window w;
    w.pick(w.category(), " Temperature");
    w.type("98.6");
    w.pick(w.source(), " Fahrenheit[F]");
    w.pick(w.target(), " Centigrade[C]");
    ASSERT_EQ(w.result()->text(), "37.000");
    const QString story = "37 Centigrade[C]\nfrom 98.6 Fahrenheit[F]: (v − 32) ÷ 1.8";
    EXPECT_EQ(hover(w), story);
    w.spinUp();
    w.spinUp();
    ASSERT_EQ(w.result()->text(), "37.00000");
    EXPECT_EQ(hover(w), story);
    w.click(w.scientific());
    ASSERT_EQ(w.result()->text(), "3.70E+01");
    EXPECT_EQ(hover(w), story);
}

// Before any conversion, and after the value box was emptied, there is no
// formula to tell.
TEST(Tooltip, AnEmptyResultHasNone) {
    Window w;
    w.type("2");
    w.press(Qt::Key_Return);
    w.press(Qt::Key_Backspace);
    w.press(Qt::Key_Return);
    ASSERT_EQ(w.result()->text(), "");
    EXPECT_EQ(hover(w), "(no tooltip)");
}

}  // namespace
}  // namespace metrova::ui::test
