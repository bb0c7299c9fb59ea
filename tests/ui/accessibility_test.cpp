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
    const char* name;  // nullptr: the control's own text
    const char* description;
};

const Expected kControls[] = {
    {"Combo2", QAccessible::ComboBox, "Category", "Category"},
    {"Combo1(0)", QAccessible::ComboBox, "Source unit", "Source unit"},
    {"Combo1(1)", QAccessible::ComboBox, "Target unit", "Target unit"},
    {"Text1", QAccessible::EditableText, "Value to convert", "Value to convert"},
    {"Image1", QAccessible::PushButton, "Convert", "Convert"},
    {"Label1", QAccessible::StaticText, nullptr, "Result"},
    {"Text2", QAccessible::EditableText, "Decimal places", "Decimal places"},
    {"Option1(0)", QAccessible::RadioButton, "Decimal", "Decimal notation"},
    {"Option1(1)", QAccessible::RadioButton, "Scientific", "Scientific notation"},
    {"Command1(0)", QAccessible::PushButton, "Swap", "Swap units"},
    {"Command1(1)", QAccessible::PushButton, "Quit", "Quit"},
};

QAccessibleInterface* child_for(QAccessibleInterface* parent, QObject* object) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child == nullptr) continue;
        if (child->object() == object) return child;
        if (QAccessibleInterface* deeper = child_for(child, object)) return deeper;
    }
    return nullptr;
}

TEST(Accessibility, EveryControlHasItsNameDescriptionAndRole) {
    Window w;
    w.type("2");
    w.press(Qt::Key_Return);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&w.form());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->text(QAccessible::Name), "Metrova  Ver.1.12    HALVERN CO.,LTD");
    for (const Expected& e : kControls) {
        auto* control = w.find<QWidget>(e.object);
        ASSERT_NE(control, nullptr);
        QAccessibleInterface* iface = child_for(window, control);
        ASSERT_NE(iface, nullptr) << e.object << " is not reachable from the window";
        EXPECT_EQ(iface->role(), e.role) << e.object;
        const QString name = e.name != nullptr ? QString::fromLatin1(e.name) : w.result()->text();
        EXPECT_EQ(iface->text(QAccessible::Name), name) << e.object;
        EXPECT_EQ(iface->text(QAccessible::Description), e.description) << e.object;
    }
    EXPECT_EQ(w.result()->text(), "-16.990");  // the result is what is read

    QAccessibleInterface* spin = child_for(window, w.spin());
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->text(QAccessible::Name), "Decimal places up/down");
    EXPECT_EQ(spin->text(QAccessible::Description), "Decimal places up/down");
    QStringList arrows;
    for (QToolButton* arrow : w.spin()->findChildren<QToolButton*>()) {
        QAccessibleInterface* iface = child_for(spin, arrow);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::PushButton);
        arrows << iface->text(QAccessible::Name);
    }
    EXPECT_EQ(arrows, (QStringList{"Increase", "Decrease"}));
}

}  // namespace
}  // namespace metrova::ui::test
