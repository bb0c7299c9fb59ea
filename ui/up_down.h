// The spin control beside the decimal-places box: two arrow buttons that
// step a whole number of decimal places, 0 to 10, by 1.
//
// A click steps from the box's own number when the box names 0 to 10 places
// (as the display reads it) and from the control's last value otherwise,
// writes the new value into the box as text (so the box's change handler
// runs), and then raises that arrow's clicked signal. At 0 or 10 a click
// writes nothing but still raises the signal. The mouse wheel over the control
// and the Up and Down keys in the box step it exactly like a click. Neither
// the control nor its arrows ever take the focus, and the arrows do not
// repeat while held.
#pragma once

#include <QWidget>

#include "display.h"

class QLineEdit;
class QToolButton;

namespace metrova::ui {

class UpDown : public QWidget {
    Q_OBJECT

public:
    explicit UpDown(QWidget* parent);

    // The box the control writes into and whose Up and Down keys it takes.
    void setBuddy(QLineEdit* buddy);
    void setValue(int value) { value_ = value; }

    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

signals:
    void upClicked();
    void downClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int delta);

    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* buddy_ = nullptr;
    int value_ = kMinDecimalPlaces;
    int wheel_remainder_ = 0;
};

}  // namespace metrova::ui
