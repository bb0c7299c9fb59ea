#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "announcer.h"

namespace metrova::ui {
namespace {

class AnnouncerInterface : public QAccessibleWidget {
public:
    explicit AnnouncerInterface(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}

    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<const Announcer*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* announcer_factory(const QString& class_name, QObject* object) {
    if (class_name != QLatin1String(Announcer::staticMetaObject.className())) return nullptr;
    auto* announcer = qobject_cast<Announcer*>(object);
    return announcer != nullptr ? new AnnouncerInterface(announcer) : nullptr;
}

}  // namespace

void install_accessibility() { QAccessible::installFactory(announcer_factory); }

}  // namespace metrova::ui
