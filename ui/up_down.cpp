#include "up_down.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

#include "display.h"

namespace metrova::ui {
namespace {

QToolButton* make_arrow(QWidget* parent, Qt::ArrowType arrow, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(false);
    button->setAccessibleName(name);
    return button;
}

}  // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent),
      up_(make_arrow(this, Qt::UpArrow, QStringLiteral("Increase"))),
      down_(make_arrow(this, Qt::DownArrow, QStringLiteral("Decrease"))) {
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, [this] { emit stepped(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

void UpDown::setBuddy(QLineEdit* buddy) {
    if (buddy_ != nullptr) buddy_->removeEventFilter(this);
    buddy_ = buddy;
    if (buddy_ != nullptr) buddy_->installEventFilter(this);
}

bool UpDown::step(int direction) {
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

void UpDown::resizeEvent(QResizeEvent* /*event*/) {
    const int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}

void UpDown::wheelEvent(QWheelEvent* event) {
    // One step per notch (120 units); touchpads send smaller deltas, which
    // add up.
    wheel_remainder_ += event->angleDelta().y();
    const int notches = wheel_remainder_ / 120;
    wheel_remainder_ -= notches * 120;
    if (notches != 0) emit stepped(notches);
    event->accept();
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
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
