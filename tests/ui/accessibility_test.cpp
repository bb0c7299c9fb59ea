// What a screen reader finds: every control reachable from the window's
// accessible interface, with its name, description and role.
#include <QAccessible>
#include <QToolButton>

#include "driver.h"

namespace metrova::ui::test {
namespace {

struct Expected {
    const char* object;
    QAccessible::Role role;
    const char* name;  // nullptr: the control's own text (a list's current entry)
    const char* description;
};

// A name says what a control is, a description only what the name lacks:
// nothing is read twice.
// A list's current entry is its value everywhere; on Linux it is also its
// name and what the list is for its description, on Windows (UI Automation)
// what the list is for is its name.
const Expected kControls[] = {
#ifdef Q_OS_WIN
    {"categoryList", QAccessible::ComboBox, "Category", ""},
    {"sourceList", QAccessible::ComboBox, "Source unit", ""},
    {"targetList", QAccessible::ComboBox, "Target unit", ""},
#else
    {"categoryList", QAccessible::ComboBox, nullptr, "Category"},
    {"sourceList", QAccessible::ComboBox, nullptr, "Source unit"},
    {"targetList", QAccessible::ComboBox, nullptr, "Target unit"},
#endif
    {"valueBox", QAccessible::EditableText, "Value to convert", ""},
    {"goButton", QAccessible::PushButton, "Convert", ""},
    {"resultLabel", QAccessible::StaticText, "-16.990 Decibel (dB)", "Result"},  // as announced
    {"placesBox", QAccessible::EditableText, "Decimal places", ""},
    {"notation", QAccessible::Client, "Notation", ""},  // the notation buttons' group
    {"decimalButton", QAccessible::RadioButton, "Decimal", "Result with a fixed number of decimal places"},
    {"scientificButton", QAccessible::RadioButton, "Scientific", "Result in scientific notation"},
    {"swapButton", QAccessible::PushButton, "Swap", "Exchange the source and target units"},
    {"quitButton", QAccessible::PushButton, "Quit", ""},
};

QString ownText(QWidget* control) {
    if (auto* list = qobject_cast<QComboBox*>(control)) return list->currentText();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    return {};
}

QAccessibleInterface* childFor(QAccessibleInterface* parent, QObject* object) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child == nullptr) continue;
        if (child->object() == object) return child;
        if (QAccessibleInterface* deeper = childFor(child, object)) return deeper;
    }
    return nullptr;
}

TEST(Accessibility, EveryControlHasItsNameDescriptionAndRole) {
    Window w;
    w.type("2");
    w.press(Qt::Key_Return);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&w.window());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->text(QAccessible::Name), "Metrova  Ver.1.12    HALVERN CO.,LTD");
    for (const Expected& e : kControls) {
        auto* control = w.find<QWidget>(e.object);
        ASSERT_NE(control, nullptr);
        QAccessibleInterface* iface = childFor(window, control);
        ASSERT_NE(iface, nullptr) << e.object << " is not reachable from the window";
        EXPECT_EQ(iface->role(), e.role) << e.object;
        const QString name = e.name != nullptr ? QString::fromLatin1(e.name) : ownText(control);
        EXPECT_EQ(iface->text(QAccessible::Name), name) << e.object;
        EXPECT_EQ(iface->text(QAccessible::Description), e.description) << e.object;
        EXPECT_NE(iface->text(QAccessible::Name), iface->text(QAccessible::Description)) << e.object;
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            EXPECT_EQ(iface->text(QAccessible::Value), list->currentText()) << e.object;
        }
    }
    EXPECT_EQ(w.result()->text(), "-16.990");  // the unit is only read

    QAccessibleInterface* spin = childFor(window, w.spin());
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->text(QAccessible::Name), "Decimal places stepper");
    EXPECT_EQ(spin->text(QAccessible::Description), "");
    QStringList arrows;
    QStringList ids;  // UI Automation's AutomationIds
    for (QToolButton* arrow : w.spin()->findChildren<QToolButton*>()) {
        QAccessibleInterface* iface = childFor(spin, arrow);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::PushButton);
        arrows << iface->text(QAccessible::Name);
        ids << arrow->objectName();
    }
    EXPECT_EQ(arrows, (QStringList{"Increase", "Decrease"}));
    EXPECT_EQ(ids, (QStringList{"increase", "decrease"}));
}

// A result that goes is read as nothing, not as the last one.
TEST(Accessibility, TheResultIsReadWithItsUnitUntilItGoes) {
    Window w;
    QAccessibleInterface* result = QAccessible::queryAccessibleInterface(w.result());
    ASSERT_NE(result, nullptr);
    w.type("2");
    w.press(Qt::Key_Return);
    EXPECT_EQ(result->text(QAccessible::Name), "-16.990 Decibel (dB)");
    w.click(w.scientific());
    EXPECT_EQ(result->text(QAccessible::Name), "-1.70E+01 Decibel (dB)");
    w.value()->clear();
    w.press(Qt::Key_Return);
    EXPECT_EQ(w.result()->text(), "");
    EXPECT_EQ(result->text(QAccessible::Name), "");
}

}  // namespace
}  // namespace metrova::ui::test
