#include "places_spin.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

#include "display.h"

namespace metrova::ui {
namespace {

// Each arrow has its own object name, which UI Automation makes its
// AutomationId.
QToolButton* makeArrow(QWidget* parent, Qt::ArrowType arrow, const QString& objectName, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(false);
    button->setAccessibleName(name);
    return button;
}

}  // namespace

PlacesSpin::PlacesSpin(QWidget* parent)
    : QWidget(parent),
      up_(makeArrow(this, Qt::UpArrow, QStringLiteral("increase"), QStringLiteral("Increase"))),
      down_(makeArrow(this, Qt::DownArrow, QStringLiteral("decrease"), QStringLiteral("Decrease"))) {
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, [this] { emit stepped(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

void PlacesSpin::setBuddy(QLineEdit* buddy) {
    if (buddy_ != nullptr) buddy_->removeEventFilter(this);
    buddy_ = buddy;
    if (buddy_ != nullptr) buddy_->installEventFilter(this);
}

bool PlacesSpin::step(int direction) {
    int from = value_;
    if (buddy_ != nullptr) {
        if (const auto places = decimal_places(buddy_->text().toStdString())) from = *places;
    }
    const int to = std::clamp(from + (direction > 0 ? 1 : -1), kMinDecimalPlaces, kMaxDecimalPlaces);
    value_ = to;
    // The box names `from` places or none, so a new number is a new text.
    if (to == from || buddy_ == nullptr) return false;
    buddy_->setText(QString::number(to));
    return true;
}

void PlacesSpin::resizeEvent(QResizeEvent* /*event*/) {
    const int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}

void PlacesSpin::wheelEvent(QWheelEvent* event) {
    // One step per notch (120 units); touchpads send smaller deltas, which
    // add up.
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / 120;
    wheelRemainder_ -= notches * 120;
    if (notches != 0) emit stepped(notches);
    event->accept();
}

bool PlacesSpin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            emit stepped(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace metrova::ui
