// The window tests run offscreen, each in a process of its own (CTest runs
// one test per process), so every test starts from a fresh window.
#include <QApplication>

#include <gtest/gtest.h>

#include "accessibility.h"
#include "fonts.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    const QApplication app(argc, argv);
    metrova::ui::installFontSubstitutions();
    metrova::ui::installAccessibility();
    return RUN_ALL_TESTS();
}
