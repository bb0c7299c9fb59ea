// The spin control beside the decimal-places box: two arrow buttons that
// step a whole number of decimal places, 0 to 10, by 1.
//
// Each user action on the control raises one signal, stepped, with its
// signed number of steps: +1 or -1 for a click on an arrow or for Up or Down
// in the box, one per notch for a turn of the mouse wheel over the control.
// The window then takes the steps one by one (step()): a step goes from the
// box's own number when the box names 0 to 10 places (as the display reads
// it) and from the control's last value otherwise, and writes the new value
// into the box as text; at 0 or 10 it writes nothing. Neither the control nor
// its arrows ever take the focus, and the arrows do not repeat while held.
#pragma once

#include <QWidget>

#include "display.h"

class QLineEdit;
class QToolButton;

namespace metrova::ui {

class PlacesSpin : public QWidget {
    Q_OBJECT

public:
    explicit PlacesSpin(QWidget* parent);

    // The box the control writes into and whose Up and Down keys it takes.
    void setBuddy(QLineEdit* buddy);
    void setValue(int value) { value_ = value; }

    // One step up (direction > 0) or down; true when it changed the box's
    // text.
    bool step(int direction);

signals:
    void stepped(int steps);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* buddy_ = nullptr;
    int value_ = kMinDecimalPlaces;
    int wheelRemainder_ = 0;
};

}  // namespace metrova::ui
