#include "option_button.h"

#include <QKeyEvent>

namespace metrova::ui {

OptionButton::OptionButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left: step = -1; break;
        case Qt::Key_Down:
        case Qt::Key_Right: step = 1; break;
        default: QRadioButton::keyPressEvent(event); return;
    }
    event->accept();
    // The buttons of one group, in the order they were made.
    const QList<OptionButton*> group = parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly);
    const qsizetype next = group.indexOf(this) + step;
    if (next < 0 || next >= group.size()) return;
    OptionButton* chosen = group[next];
    if (!chosen->isEnabled() || !chosen->isVisible()) return;
    chosen->setFocus(Qt::TabFocusReason);  // where a click would have put it
    chosen->click();
}

}  // namespace metrova::ui
