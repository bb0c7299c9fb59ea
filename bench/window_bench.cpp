// One conversion in the real window, offscreen: from the Enter key press in
// the value box to the result label's new text, through Qt's event delivery
// and every handler on the way (the GO action, write-back, the label, focus).
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <string>

#include "converter_window.h"
#include "fonts.h"

namespace {

// The category is picked as a user does, with Down in the closed list; a
// run-time error on the way or in the timed conversions fails the benchmark.
void EnterToLabel(benchmark::State& state) {
    metrova::ui::ConverterWindow window;
    QStringList errors;
    window.setReporter([&errors](const QString& message) { errors << message; });
    window.start();
    auto* category = window.findChild<QComboBox*>(QStringLiteral("categoryList"));
    auto* value = window.findChild<QLineEdit*>(QStringLiteral("valueBox"));
    auto* result = window.findChild<QLabel*>(QStringLiteral("resultLabel"));
    for (int i = 0; i < state.range(0); ++i) QTest::keyClick(category, Qt::Key_Down);
    value->setText(QStringLiteral("2.5"));
    for (auto _ : state) {
        QTest::keyClick(value, Qt::Key_Return);
        benchmark::DoNotOptimize(result->text().size());
    }
    state.SetLabel(category->currentText().toStdString());
    if (category->currentIndex() != state.range(0) || !errors.isEmpty()) {
        const std::string error = errors.value(0, QStringLiteral("the category was not picked")).toStdString();
        state.SkipWithError(error.c_str());
    }
}
BENCHMARK(EnterToLabel)->Arg(0)->Arg(4)->Arg(9);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QApplication app(argc, argv);
    metrova::ui::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
