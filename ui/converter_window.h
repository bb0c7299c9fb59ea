// The converter window: its controls, what it keeps between events (the
// answer, the category whose units the lists hold, the value box's text to
// restore on Escape), and the handlers that tie the controls to the
// conversion core.
//
// Each handler is named after what happened, reads the controls afresh and
// calls the others directly. The GO action is one call into the core
// (go_action.h): the window reads its controls, makes the call and writes
// what comes back. A run-time error (a number too large to read, a failed
// fault check, the logarithm of 0) ends only the GO action that met it: it
// comes back as a value, the callers finish their own steps, and the handler
// that Qt called reports the first one once through the reporter. No
// exception crosses Qt's signal delivery.
//
// Construction lays the controls out (converter_window_layout.cpp); start()
// fills the lists and shows the window (converter_window_handlers.cpp).
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

#include "failure.h"
#include "go_action.h"
#include "heard.h"
#include "pick.h"

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace metrova::ui {

class Announcer;
class CopySign;
class PictureButton;
class PlacesSpin;
class ResultLabel;
class TextBox;

class ConverterWindow : public QWidget {
    Q_OBJECT

public:
    // Shows a run-time error to the user, its first line naming the failure
    // and the next saying why; by default a modal message box, shown once
    // the event that met the error has been handled.
    using Reporter = std::function<void(const QString& message)>;

    ConverterWindow();
    ~ConverterWindow() override;
    ConverterWindow(const ConverterWindow&) = delete;
    ConverterWindow& operator=(const ConverterWindow&) = delete;

    void setReporter(Reporter reporter) { reporter_ = std::move(reporter); }

    // What the window keeps, for inspection.
    [[nodiscard]] double answer() const { return answer_.value; }
    [[nodiscard]] Index listedCategory() const { return listedCategory_; }
    [[nodiscard]] const QString& valueOnFocus() const { return valueOnFocus_; }

    // Start-up: fills the lists, selects Optics with Percent to Decibel,
    // shows the window and puts the focus into the value box.
    void start();

private:
    // The handlers, which only the window's own events and each other call.
    // The GO action: converts the value box's number into the answer and
    // shows it.
    RunTimeError go();
    RunTimeError categoryPicked();
    RunTimeError unitPicked();
    RunTimeError swapClicked();
    void quitClicked();
    RunTimeError notationPicked(Notation chosen);
    // The value box's key filter; Enter runs the GO action, Escape restores
    // the text the box had when it got the focus.
    RunTimeError filterValueKey(int& key);
    void valueBoxFocused();
    RunTimeError placesChanged();
    void filterPlacesKey(int& key);
    void placesBoxFocused();
    // An arrow of the places spin: shows the answer again without converting.
    void placesStepped();
    // One action on the places spin (an arrow clicked, the wheel turned by
    // some notches, Up or Down in the places box), `steps` signed: each step
    // writes the new number into the places box, whose change handler
    // converts, then runs the arrow's handler.
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

    // What the lists have current, and the notation chosen.
    [[nodiscard]] Pick pick() const;
    [[nodiscard]] Notation notation() const;
    // Shows the answer in the chosen notation; the label keeps its text when
    // the places box names no places.
    void showAnswer();
    void showResult(const ShownAnswer& shown);
    void clearResult();
    // Moves the focus into the value box; its focus handler runs when the
    // focus was elsewhere.
    void focusValueBox();
    void showWindow();
    // Program-made selections; each raises the list's pick notification.
    RunTimeError selectByText(QComboBox* list, const QString& text);
    RunTimeError selectByIndex(QComboBox* list, int index);
    RunTimeError pickNotification(QComboBox* list);
    RunTimeError swapUnits();

    std::array<QLabel*, 2> instructionLines_{};
    QComboBox* categoryList_ = nullptr;
    QComboBox* sourceList_ = nullptr;
    QComboBox* targetList_ = nullptr;
    QPushButton* swapButton_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    PictureButton* goButton_ = nullptr;
    TextBox* valueBox_ = nullptr;
    ResultLabel* resultLabel_ = nullptr;
    QRadioButton* decimalButton_ = nullptr;
    QRadioButton* scientificButton_ = nullptr;
    TextBox* placesBox_ = nullptr;
    PlacesSpin* placesSpin_ = nullptr;

    // The category whose units the unit lists hold.
    Index listedCategory_ = 0;
    // The value box's text when it last got the focus, which Escape restores.
    QString valueOnFocus_;
    // The result of the last conversion that gave one, with its unit and
    // story, for the result's tooltip and what a screen reader hears.
    Answer answer_;

    Announcer* announcer_ = nullptr;
    // Copying the result: "Copy Result" in the value box's menu and in the
    // result's own, with its shortcut anywhere in the window; enabled while
    // a result is shown.
    QAction* copyAction_ = nullptr;
    // "Copied", shown a moment after each copy; a new result takes it away.
    CopySign* copySign_ = nullptr;
    Reporter reporter_;
};

}  // namespace metrova::ui
