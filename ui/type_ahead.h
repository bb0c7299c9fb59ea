// Letters typed quickly in a closed list make one search there, although
// the list's first pick has moved the focus on. A pick made by typing runs
// the list's handlers as Down does, and they put the focus in the value box,
// where the "e" of "ve" would take the place of the value. A letter (no Ctrl
// or Alt) that reaches the value box within QApplication::keyboardInputInterval() of the list's
// last one goes to the list instead, whose search makes a prefix of the two;
// any other key ends the search's hold on the box.
#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <initializer_list>

class QComboBox;
class QWidget;

namespace metrova::ui {

class TypeAheadCarry : public QObject {
public:
    TypeAheadCarry(std::initializer_list<QComboBox*> lists, QWidget* valueBox, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* valueBox_;
    // The list that took the last key, while its search may go on.
    QComboBox* list_ = nullptr;
    QElapsedTimer sinceKey_;
};

}  // namespace metrova::ui
