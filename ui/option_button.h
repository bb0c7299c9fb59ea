// A notation button whose arrow keys end like a click on the other button.
//
// Qt moves the selection with the arrow keys and clicks the newly selected
// button, but then gives it the focus, after the click handler has moved the
// focus to the value box. Here Up and Left choose the previous button, Down
// and Right the next, and the chosen button is clicked, so its handler
// decides where the focus ends, once.
#pragma once

#include <QRadioButton>

namespace metrova::ui {

class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    OptionButton(const QString& text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace metrova::ui
