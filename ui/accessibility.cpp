#include "accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace metrova::ui {
namespace {

class NamedList : public QAccessibleWidget {
public:
    explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    // The popup's list of entries, as Qt's own list interface offers it.
    [[nodiscard]] int childCount() const override { return 1; }
    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == list()->view() ? 0 : -1;
    }

    [[nodiscard]] QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            list()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    [[nodiscard]] QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* named_list_factory(const QString& class_name, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    if (class_name != QLatin1String("QComboBox") || list == nullptr || list->accessibleName().isEmpty()) {
        return nullptr;
    }
    return new NamedList(list);
}

}  // namespace

void install_accessibility() { QAccessible::installFactory(named_list_factory); }

}  // namespace metrova::ui
