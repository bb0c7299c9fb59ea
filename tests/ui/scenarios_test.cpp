// Handler chains end to end: start-up, category and unit selection, the GO
// picture, swap, quit, and run-time errors in the middle of each.
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "driver.h"
#include "same_bits.h"

namespace metrova::ui::test {
namespace {

TEST(StartUp, OpensWithOpticsPercentToDecibelAndTheFocusInTheValueBox) {
    Window w;
    EXPECT_EQ(w.window().windowTitle(), "Metrova  Ver.1.12    HALVERN CO.,LTD");
    EXPECT_EQ(w.window().size(), QSize(481, 303));
    EXPECT_EQ(w.go()->size(), QSize(70, 79));
    EXPECT_EQ(w.items(w.category()).size(), 10);
    EXPECT_EQ(w.category()->currentText(), " Optics");
    EXPECT_EQ(w.items(w.source()), labelsOf(category::optics));
    EXPECT_EQ(w.items(w.target()), labelsOf(category::optics));
    EXPECT_EQ(w.source()->currentText(), " Percent (%)");
    EXPECT_EQ(w.target()->currentText(), " Decibel (dB)");
    EXPECT_EQ(w.value()->text(), "");
    EXPECT_EQ(w.result()->text(), "");
    EXPECT_TRUE(w.decimal()->isChecked());
    EXPECT_FALSE(w.scientific()->isChecked());
    EXPECT_EQ(w.places()->text(), "3");
    EXPECT_EQ(w.focus(), w.value());
    EXPECT_SAME_BITS(w.window().answer(), 0.0);
    EXPECT_EQ(w.window().listedCategory(), 0);
    EXPECT_EQ(w.window().valueOnFocus(), "");
    // A digit goes into the value box without a click.
    w.type("7");
    EXPECT_EQ(w.value()->text(), "7");
}

TEST(Conversion, LengthEndToEnd) {
    Window w;
    w.pick(w.category(), " Length");
    EXPECT_EQ(w.items(w.source()), labelsOf(category::length));
    EXPECT_EQ(w.source()->currentText(), " centimeter(cm)");
    EXPECT_EQ(w.target()->currentText(), " meter(m)");
    w.type("2.5");
    w.press(Qt::Key_Return);
    EXPECT_SAME_BITS(w.window().answer(), 0.025);
    EXPECT_EQ(w.result()->text(), "0.025");
    EXPECT_TRUE(w.focusedAndSelected(w.value()));
    EXPECT_TRUE(w.messages().isEmpty());
}

TEST(Conversion, TheGoPictureConvertsAndReturnsTheFocus) {
    Window w;
    w.type("50");
    w.click(w.places());  // the focus elsewhere first
    w.click(w.go());
    EXPECT_EQ(w.result()->text(), "-3.010");
    EXPECT_TRUE(w.focusedAndSelected(w.value()));
    EXPECT_EQ(w.window().valueOnFocus(), "50");
    EXPECT_EQ(w.go()->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(w.go()->cursor().shape(), Qt::PointingHandCursor);
}

TEST(Selection, NewCategoryWithAValueConvertsWithTheDefaultPair) {
    Window w;
    w.type("100");
    w.pick(w.category(), " Mass");
    EXPECT_EQ(w.items(w.source()), labelsOf(category::mass));
    EXPECT_EQ(w.items(w.target()), labelsOf(category::mass));
    EXPECT_EQ(w.source()->currentText(), " gram (g)");
    EXPECT_EQ(w.target()->currentText(), " kilogram (kg)");
    EXPECT_SAME_BITS(w.window().answer(), 0.1);
    EXPECT_EQ(w.result()->text(), "0.100");
    EXPECT_EQ(w.window().listedCategory(), category::mass);
    EXPECT_TRUE(w.focusedAndSelected(w.value()));

    w.pick(w.category(), " Temperature");
    EXPECT_EQ(w.items(w.source()).size(), 2);
    EXPECT_EQ(w.source()->currentText(), " Centigrade[C]");
    EXPECT_EQ(w.target()->currentText(), " Fahrenheit[F]");
    EXPECT_SAME_BITS(w.window().answer(), 212.0);
}

TEST(Selection, NewCategoryWithAnEmptyValueBoxClearsTheLabelOnly) {
    Window w;
    w.type("100");
    w.press(Qt::Key_Return);
    const double before = w.window().answer();
    w.press(Qt::Key_Backspace);  // the whole text was selected
    ASSERT_EQ(w.value()->text(), "");
    w.pick(w.category(), " Volume");
    EXPECT_EQ(w.result()->text(), "");
    EXPECT_SAME_BITS(w.window().answer(), before);
    EXPECT_EQ(w.focus(), w.value());
}

TEST(Selection, PickingTheCurrentCategoryAgainKeepsTheChosenUnits) {
    Window w;
    w.pick(w.category(), " Pressure");
    w.pick(w.source(), " bar");
    w.pick(w.target(), " atm");
    w.type("1");
    w.press(Qt::Key_Return);
    const QString shown = w.result()->text();
    w.click(w.places());
    w.pick(w.category(), " Pressure");
    EXPECT_EQ(w.source()->currentText(), " bar");
    EXPECT_EQ(w.target()->currentText(), " atm");
    EXPECT_EQ(w.items(w.source()).size(), 5);
    EXPECT_EQ(w.result()->text(), shown);
    EXPECT_TRUE(w.focusedAndSelected(w.value()));
}

TEST(Selection, OpticsAgainRestoresPercentToDecibel) {
    Window w;
    w.pick(w.category(), " Force");
    w.pick(w.category(), " Optics");
    EXPECT_EQ(w.source()->currentText(), " Percent (%)");
    EXPECT_EQ(w.target()->currentText(), " Decibel (dB)");
}

TEST(Selection, PickingAUnitConvertsLikeTheGoPicture) {
    Window w;
    w.pick(w.category(), " Mass");
    w.type("100");
    w.pick(w.target(), " kilogram (kg)");  // a re-pick of the current entry
    EXPECT_EQ(w.result()->text(), "0.100");
    EXPECT_TRUE(w.focusedAndSelected(w.value()));
    w.pick(w.target(), " pound (lb)");
    EXPECT_EQ(w.result()->text(), "0.220");
    EXPECT_SAME_BITS(w.window().answer(), 100 / 453.6);
}

TEST(Selection, TheWheelOverAListPicksToo) {
    Window w;
    w.type("1");
    w.wheel(w.target(), -1);  // Decibel -> Optical Density
    EXPECT_EQ(w.target()->currentText(), " Optical Density (OD)");
    EXPECT_EQ(w.result()->text(), "2.000");
    EXPECT_EQ(w.focus(), w.value());
}

TEST(Selection, PickingAUnitWithAnEmptyValueBoxKeepsTheAnswer) {
    Window w;
    w.type("4");
    w.press(Qt::Key_Return);
    const double answer = w.window().answer();
    w.press(Qt::Key_Backspace);
    w.pick(w.source(), " Optical Density (OD)");
    EXPECT_EQ(w.result()->text(), "");
    EXPECT_SAME_BITS(w.window().answer(), answer);
}

TEST(Swap, ExchangesTheUnitsAndConvertsBack) {
    Window w;
    w.type("50");
    w.click(w.swap());
    EXPECT_EQ(w.source()->currentText(), " Decibel (dB)");
    EXPECT_EQ(w.target()->currentText(), " Percent (%)");
    // +50 dB is taken as -50 dB and written back.
    EXPECT_EQ(w.value()->text(), "-50");
    EXPECT_EQ(w.result()->text(), "0.001");
    EXPECT_EQ(w.focus(), w.value());
    w.click(w.swap());
    EXPECT_EQ(w.source()->currentText(), " Percent (%)");
    EXPECT_EQ(w.target()->currentText(), " Decibel (dB)");
    EXPECT_TRUE(w.messages().isEmpty());
}

TEST(Swap, GivesTheSameLabelAsChoosingTheExchangedPairByHand) {
    Window bySwap;
    bySwap.pick(bySwap.category(), " Temperature");
    bySwap.type("100");
    bySwap.click(bySwap.swap());
    EXPECT_EQ(bySwap.source()->currentText(), " Fahrenheit[F]");
    EXPECT_EQ(bySwap.target()->currentText(), " Centigrade[C]");
    EXPECT_EQ(bySwap.result()->text(), "37.778");
    EXPECT_EQ(bySwap.value()->text(), "100");
    EXPECT_TRUE(bySwap.focusedAndSelected(bySwap.value()));

    Window byHand;
    byHand.pick(byHand.category(), " Temperature");
    byHand.pick(byHand.source(), " Fahrenheit[F]");
    byHand.pick(byHand.target(), " Centigrade[C]");
    byHand.type("100");
    byHand.click(byHand.go());
    EXPECT_EQ(byHand.result()->text(), bySwap.result()->text());
}

TEST(Swap, EqualUnitsChangeNothingVisible) {
    Window w;
    w.pick(w.target(), " Percent (%)");
    w.type("12");
    w.press(Qt::Key_Return);
    const QString shown = w.result()->text();
    w.click(w.swap());
    EXPECT_EQ(w.source()->currentText(), " Percent (%)");
    EXPECT_EQ(w.target()->currentText(), " Percent (%)");
    EXPECT_EQ(w.result()->text(), shown);
    EXPECT_EQ(w.value()->text(), "12");
}

// A run-time error ends only the conversion that met it: the label and the
// answer stay, its callers finish, and the user is told once, with the reason
// drawn from the conversion that failed.
const QString kTooLargeToRead = QStringLiteral(
    "Run-time error: Overflow\nThe number typed is larger in size than 1.7976931348623157E+308, the largest there "
    "is.");

TEST(RunTimeErrors, ANumberTooLargeToReadIsReportedOnce) {
    Window w;
    w.type("5");
    w.press(Qt::Key_Return);
    const QString shown = w.result()->text();
    const double answer = w.window().answer();
    w.type("1e999");
    w.press(Qt::Key_Return);
    EXPECT_EQ(w.messages(), QStringList{kTooLargeToRead});
    EXPECT_EQ(w.result()->text(), shown);
    EXPECT_SAME_BITS(w.window().answer(), answer);
    EXPECT_TRUE(w.focusedAndSelected(w.value()));  // Enter's focus handler still ran
}

// What the user sees: a modal box titled "Metrova" with the error, once the
// key press has been handled; Enter closes it and the window goes on.
TEST(RunTimeErrors, TheUserSeesTheErrorInAModalBox) {
    Window w(Window::Reporting::message_box);
    w.type("5");
    w.press(Qt::Key_Return);
    const QString shown = w.result()->text();
    w.type("1e999");
    QStringList seen;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        seen << box->windowTitle() << box->text() << box->informativeText()
             << (box->icon() == QMessageBox::Critical ? "critical" : "other");
        QTest::keyClick(box, Qt::Key_Return);
    });
    look.start(10);
    // A second failing Enter before the box has opened adds no second box.
    w.press(Qt::Key_Return);
    w.press(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !seen.isEmpty() && QApplication::activeModalWidget() == nullptr; }));
    QTest::qWait(50);
    look.stop();
    EXPECT_EQ(seen, (QStringList{"Metrova", "Run-time error: Overflow", kTooLargeToRead.section('\n', 1), "critical"}));
    EXPECT_EQ(w.result()->text(), shown);
    w.window().activateWindow();  // as the window manager does when the box is gone
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window()));
    EXPECT_EQ(w.focus(), w.value());
    w.type("7");  // the value box takes keys again
    EXPECT_EQ(w.value()->text(), "7");
}

TEST(RunTimeErrors, TheLogarithmOfZeroIsAnInvalidArgument) {
    Window w;
    w.type("0");
    w.click(w.go());
    EXPECT_EQ(w.messages(), QStringList{"Run-time error: Invalid argument\n0 Percent (%) has no value in Decibel (dB), "
                                        "which needs a Percent (%) value other than 0."});
    EXPECT_EQ(w.result()->text(), "");
}

TEST(RunTimeErrors, AnOverflowInTheMiddleOfSwapLetsSwapFinish) {
    Window w;
    w.pick(w.category(), " Mass");  // gram to kilogram
    w.type("1e308");
    w.press(Qt::Key_Return);
    ASSERT_TRUE(w.messages().isEmpty());
    const double answer = w.window().answer();
    w.click(w.swap());  // kilogram to gram overflows, twice
    EXPECT_EQ(w.messages(),
              QStringList{"Run-time error: Overflow\nConverting 1E+308 kilogram (kg) to gram (g) gives a number "
                          "larger in size than 1.7976931348623157E+308, the largest there is."});
    EXPECT_EQ(w.source()->currentText(), " kilogram (kg)");
    EXPECT_EQ(w.target()->currentText(), " gram (g)");
    EXPECT_SAME_BITS(w.window().answer(), 1e308);  // the identity run in the middle stored v
    EXPECT_NE(w.window().answer(), answer);
    EXPECT_TRUE(w.focusedAndSelected(w.value()));
}

TEST(RunTimeErrors, AnOverflowInACategoryChangeLetsTheChangeFinish) {
    Window w;
    w.type("1e308");
    w.pick(w.category(), " Temperature");  // Centigrade to Fahrenheit overflows
    EXPECT_EQ(w.messages(),
              QStringList{"Run-time error: Overflow\nConverting 1E+308 Centigrade[C] to Fahrenheit[F] gives a "
                          "number larger in size than 1.7976931348623157E+308, the largest there is."});
    EXPECT_EQ(w.items(w.source()), labelsOf(category::temperature));
    EXPECT_EQ(w.target()->currentText(), " Fahrenheit[F]");
    EXPECT_EQ(w.window().listedCategory(), category::temperature);
    EXPECT_TRUE(w.focusedAndSelected(w.value()));
}

TEST(RunTimeErrors, ANotationClickStillShowsOrHidesThePlaces) {
    Window w;
    w.type("1e999");
    w.click(w.scientific());
    EXPECT_EQ(w.messages(), QStringList{kTooLargeToRead});
    EXPECT_FALSE(w.places()->isVisible());
    EXPECT_FALSE(w.spin()->isVisible());
}

TEST(Result, CanBeSelectedWithTheMouseButNeverTakesTheFocus) {
    Window w;
    w.type("1234");
    w.press(Qt::Key_Return);
    QLabel* result = w.result();
    ASSERT_EQ(result->text(), "10.913");
    const int y = result->height() / 2;
    QTest::mousePress(result, Qt::LeftButton, Qt::NoModifier, {2, y});
    QTest::mouseMove(result, {result->width() - 2, y});
    QTest::mouseRelease(result, Qt::LeftButton, Qt::NoModifier, {result->width() - 2, y});
    EXPECT_EQ(result->selectedText(), "10.913");
    EXPECT_EQ(w.focus(), w.value());
}

TEST(Result, AResultWiderThanTheLabelShowsWholeInItsTooltip) {
    Window w;
    w.pick(w.category(), " Length");
    w.pick(w.source(), " mile");
    w.type("1e15");
    w.press(Qt::Key_Return);
    EXPECT_EQ(w.result()->text(), "1609300000000000000.000");
    EXPECT_GT(w.result()->fontMetrics().horizontalAdvance(w.result()->text()), w.result()->width());
    EXPECT_TRUE(w.result()->toolTip().startsWith(w.result()->text() + QLatin1Char('\n')))
        << w.result()->toolTip().toStdString();
}

TEST(Ending, QuitEndsTheEventLoopWithStatusZero) {
    Window w;
    w.type("12");
    QTimer::singleShot(0, [&w] { w.click(w.quit()); });
    EXPECT_EQ(runEventLoop(), 0);
    EXPECT_FALSE(w.window().isVisible());
}

TEST(Ending, ClosingTheWindowEndsTheEventLoop) {
    Window w;
    QTimer::singleShot(0, [&w] { w.window().close(); });
    EXPECT_EQ(runEventLoop(), 0);
}

}  // namespace
}  // namespace metrova::ui::test
