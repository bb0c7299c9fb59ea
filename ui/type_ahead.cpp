#include "type_ahead.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

#include <utility>

namespace metrova::ui {
namespace {

// A key that a closed list's keyboard search takes (Space opens the list).
bool isSearchKey(const QKeyEvent& event) {
    const QString text = event.text();
    return !text.isEmpty() && text.front().isPrint() && text.front() != QLatin1Char(' ') &&
           (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

}  // namespace

TypeAheadCarry::TypeAheadCarry(std::initializer_list<QComboBox*> lists, QWidget* valueBox, QObject* parent)
    : QObject(parent), valueBox_(valueBox) {
    for (QComboBox* list : lists) list->installEventFilter(this);
    valueBox_->installEventFilter(this);
}

bool TypeAheadCarry::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const bool searchKey = isSearchKey(key);
    if (watched == valueBox_) {
        QComboBox* list = std::exchange(list_, nullptr);
        // Only a letter goes on: every entry's text starts with letters, and a
        // digit or sign typed quickly after a pick is the value's.
        if (list == nullptr || !searchKey || !key.text().front().isLetter() ||
            sinceKey_.elapsed() > QApplication::keyboardInputInterval()) {
            return false;
        }
        QCoreApplication::sendEvent(list, event);
        return true;
    }
    auto* list = static_cast<QComboBox*>(watched);
    list_ = searchKey && !list->view()->isVisible() ? list : nullptr;
    if (list_ != nullptr) sinceKey_.start();
    return false;
}

}  // namespace metrova::ui
