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
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setBuddy(QLineEdit* buddy) {
    if (buddy_ != nullptr) buddy_->removeEventFilter(this);
    buddy_ = buddy;
    if (buddy_ != nullptr) buddy_->installEventFilter(this);
}

void UpDown::step(int delta) {
    int from = value_;
    if (buddy_ != nullptr) {
        if (const auto places = decimal_places(buddy_->text().toStdString())) from = *places;
    }
    const int to = std::clamp(from + delta, kMinDecimalPlaces, kMaxDecimalPlaces);
    value_ = to;
    if (to != from && buddy_ != nullptr) buddy_->setText(QString::number(to));
    if (delta > 0) {
        emit upClicked();
    } else {
        emit downClicked();
    }
}

void UpDown::resizeEvent(QResizeEvent* /*event*/) {
    const int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}

void UpDown::wheelEvent(QWheelEvent* event) {
    // One step per notch (120 units); touchpads send smaller deltas.
    wheel_remainder_ += event->angleDelta().y();
    while (wheel_remainder_ >= 120) {
        wheel_remainder_ -= 120;
        stepUp();
    }
    while (wheel_remainder_ <= -120) {
        wheel_remainder_ += 120;
        stepDown();
    }
    event->accept();
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            if (key == Qt::Key_Up) {
                stepUp();
            } else {
                stepDown();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace metrova::ui
