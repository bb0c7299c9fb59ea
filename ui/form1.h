// Form1, the converter's one window: its controls, its three window-level
// variables and the event handlers that tie the controls to the conversion
// core.
//
// Handlers are named after their control and event, receive the index of a
// control-array member, read the controls afresh and call each other
// directly. A run-time error (a number too large to read, a failed fault
// check, the logarithm of 0) ends only the conversion that met it: the
// conversion returns it as a value, its callers finish their own steps, and
// the handler that Qt called reports the first one once through the
// reporter. No exception crosses Qt's signal delivery.
//
// Construction lays the controls out (form1_layout.cpp); Form_Load fills the
// lists and shows the window (form1_handlers.cpp).
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

#include "catalogue.h"
#include "explain.h"

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace metrova::ui {

class Announcer;
class CopySign;
class PictureButton;
class ResultLabel;
class TextBox;
class UpDown;

class Form1 : public QWidget {
    Q_OBJECT

public:
    // Shows a run-time error to the user, its first line naming the failure
    // and the next saying why; by default a modal message box, shown once
    // the event that met the error has been handled.
    using Reporter = std::function<void(const QString& message)>;

    Form1();
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    void setReporter(Reporter reporter) { reporter_ = std::move(reporter); }

    // The window-level variables, for inspection.
    [[nodiscard]] double answer() const { return Answer; }
    [[nodiscard]] Index oldCombo2Index() const { return Old_combo2_index; }
    [[nodiscard]] const QString& initialValue() const { return Initial_value; }

    void Form_Load();

private:
    // The handlers, which only the window's own events and each other call.
    // The GO action: converts the value box's number into Answer and shows it.
    RunTimeError Image1_Click();
    RunTimeError Combo2_Click();
    RunTimeError Combo1_Click(int index);
    RunTimeError Command1_Click(int index);
    RunTimeError Option1_Click(int index);
    RunTimeError Text1_KeyPress(int& keyAscii);
    void Text1_GotFocus();
    RunTimeError Text2_Change();
    void Text2_KeyPress(int& keyAscii);
    void Text2_GotFocus();
    void UpDown1_UpClick();
    void UpDown1_DownClick();
    // One action on the spin control (an arrow clicked, the wheel turned by
    // some notches, Up or Down in the places box), `steps` signed: each step
    // writes the new number into the places box, whose change handler
    // converts, then runs that arrow's click handler.
    RunTimeError stepPlaces(int steps);
    // Puts the result label's text, whole, on the clipboard, shows the copy
    // sign and tells the screen reader; nothing while the label is empty.
    void copyResult();

    void createControls();
    void connectHandlers();
    // The end of a user's event: its first run-time error is reported.
    void report(const RunTimeError& error);
    // After a pick in a list the focus is in the value box: say what the
    // pick chose.
    void announcePick(List list);
    void announceSwap();
    void announceNotation(const QRadioButton* button);

    // The display: renders Answer into Label1 in the chosen notation.
    void Display();
    void setResult(const QString& text);
    // Moves the focus into Text1; its got-focus handler runs when the focus
    // was elsewhere.
    void Text1_SetFocus();
    void showWindow();
    // Program-made selections; each raises the list's pick notification.
    RunTimeError selectByText(QComboBox* list, const QString& text);
    RunTimeError selectByIndex(QComboBox* list, int index);
    RunTimeError pickNotification(QComboBox* list);
    RunTimeError Swap();

    std::array<QLabel*, 2> Label2{};
    QComboBox* Combo2 = nullptr;
    std::array<QComboBox*, 2> Combo1{};
    std::array<QPushButton*, 2> Command1{};
    PictureButton* Image1 = nullptr;
    TextBox* Text1 = nullptr;
    ResultLabel* Label1 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    TextBox* Text2 = nullptr;
    UpDown* UpDown1 = nullptr;

    Index Old_combo2_index = 0;
    QString Initial_value;
    double Answer = 0.0;

    Announcer* announcer_ = nullptr;
    // Copying the result: "Copy Result" in the value box's menu, with its
    // shortcut anywhere in the window, and "Copy" in the result's own menu.
    // Both are enabled while a result is shown.
    QAction* copyResult_ = nullptr;
    QAction* copyShown_ = nullptr;
    // "Copied", shown a moment after each copy; a new result takes it away.
    CopySign* copySign_ = nullptr;
    // Kept beside Answer: its unit and how it was computed, for the result's
    // tooltip and what a screen reader hears; none until a conversion has
    // given a result.
    std::optional<Explanation> answerExplanation_;
    Reporter reporter_;
};

}  // namespace metrova::ui
