// The converter window's handlers, in the order of a run: start-up, the GO
// action and the showing of its answer, selection, value entry, precision
// and notation, swap and quit, and what a screen reader hears of an action
// besides its result.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <cstdlib>

#include "announcer.h"
#include "converter_window.h"
#include "copy_sign.h"
#include "first_failure.h"
#include "key_code.h"
#include "places_spin.h"
#include "result_label.h"
#include "text_box.h"

namespace metrova::ui {
namespace {

QString labelText(std::string_view label) {
    return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
}

// Appending never makes an entry current, unlike QComboBox's own rule for
// the first item.
void addItem(QComboBox* list, std::string_view label) {
    const QSignalBlocker quiet(list);
    const int current = list->currentIndex();
    list->addItem(labelText(label));
    list->setCurrentIndex(current);
}

void clearList(QComboBox* list) {
    const QSignalBlocker quiet(list);
    list->clear();
}

Index listIndex(const QComboBox* list) { return static_cast<Index>(list->currentIndex()); }

QString fromCore(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void ConverterWindow::start() {
    for (QComboBox* list : {sourceList_, targetList_}) {
        for (const std::string_view label : unit_labels(category::optics)) addItem(list, label);
    }
    FirstFailure failure;
    failure += selectByText(sourceList_, sourceList_->itemText(0));
    failure += selectByText(targetList_, targetList_->itemText(1));
    for (Index c = 0; c < category_count(); ++c) addItem(categoryList_, category_label(c));
    failure += selectByText(categoryList_, categoryList_->itemText(0));
    listedCategory_ = listIndex(categoryList_);
    showWindow();
    activateWindow();
    focusValueBox();
    report(failure.first());
}

Pick ConverterWindow::pick() const {
    return {listIndex(categoryList_), listIndex(sourceList_), listIndex(targetList_)};
}

Notation ConverterWindow::notation() const {
    return decimalButton_->isChecked() ? Notation::decimal : Notation::scientific;
}

RunTimeError ConverterWindow::go() {
    const std::string value = valueBox_->text().toStdString();
    const std::string places = placesBox_->text().toStdString();
    GoResult result = metrova::go({pick(), value, notation(), places}, answer_);
    if (result.value_text) valueBox_->setText(fromCore(*result.value_text));
    answer_ = std::move(result.answer);
    switch (result.end) {
        case GoResult::End::cleared: clearResult(); return {};
        case GoResult::End::failed: return std::move(result.error);
        case GoResult::End::shown: break;
    }
    if (result.shown) showResult(*result.shown);
    focusValueBox();
    return {};
}

void ConverterWindow::showAnswer() {
    if (const auto shown = show_answer(answer_, notation(), placesBox_->text().toStdString())) showResult(*shown);
}

// Every result written is announced, also one with the text the label had.
void ConverterWindow::showResult(const ShownAnswer& shown) {
    copySign_->hide();
    resultLabel_->showResult(fromCore(shown.text), fromCore(shown.heard), fromCore(shown.story));
    copyAction_->setEnabled(!shown.text.empty());
    announcer_->setResult(fromCore(shown.heard));
}

void ConverterWindow::clearResult() {
    copySign_->hide();
    resultLabel_->clearResult();
    copyAction_->setEnabled(false);
}

void ConverterWindow::focusValueBox() {
    const bool elsewhere = focusWidget() != valueBox_;
    valueBox_->moveFocusHere();
    if (elsewhere) valueBoxFocused();
}

void ConverterWindow::showWindow() {
    if (!isVisible()) show();
}

RunTimeError ConverterWindow::selectByText(QComboBox* list, const QString& text) {
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return index < 0 ? RunTimeError{} : selectByIndex(list, index);
}

RunTimeError ConverterWindow::selectByIndex(QComboBox* list, int index) {
    {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(index);
    }
    return pickNotification(list);
}

RunTimeError ConverterWindow::pickNotification(QComboBox* list) {
    return list == categoryList_ ? categoryPicked() : unitPicked();
}

RunTimeError ConverterWindow::categoryPicked() {
    FirstFailure failure;
    const Index c = listIndex(categoryList_);
    if (c != listedCategory_) {
        clearList(sourceList_);
        clearList(targetList_);
        listedCategory_ = c;
        const auto labels = unit_labels(c);
        if (!labels.empty()) {
            for (QComboBox* list : {sourceList_, targetList_}) {
                for (const std::string_view label : labels) addItem(list, label);
            }
            failure += selectByIndex(sourceList_, 0);
            failure += selectByIndex(targetList_, 1);
        }
    }
    showWindow();
    focusValueBox();
    return failure.first();
}

RunTimeError ConverterWindow::unitPicked() {
    showWindow();
    focusValueBox();
    return go();
}

void ConverterWindow::valueBoxFocused() {
    valueBox_->setSelection(0, static_cast<int>(valueBox_->text().length()));
    valueOnFocus_ = valueBox_->text();
}

RunTimeError ConverterWindow::filterValueKey(int& key) {
    const QString text = valueBox_->text();
    if (key >= '0' && key <= '9') return {};
    if (key == kBackspace) return {};
    if (key == '.') {
        if (text.contains(QLatin1Char('.'))) key = kRefused;
        return {};
    }
    if (key == '-') return {};
    if (key == kEscape) {
        valueBox_->setText(valueOnFocus_);
        valueBoxFocused();
        return {};
    }
    if (key == kEnter) {
        RunTimeError failure = go();
        valueBoxFocused();
        return failure;
    }
    if (key == 'E' || key == 'e') {
        if (text.contains(QLatin1Char('E')) || text.contains(QLatin1Char('e'))) key = kRefused;
        return {};
    }
    key = kRefused;
    return {};
}

RunTimeError ConverterWindow::placesChanged() { return go(); }

void ConverterWindow::placesBoxFocused() { placesBox_->setSelection(0, static_cast<int>(placesBox_->text().length())); }

// Digits are accepted while the text they would make is all digits and names
// a number of places that the display can show; Backspace always; every
// other key is refused.
void ConverterWindow::filterPlacesKey(int& key) {
    if (key == kBackspace) return;
    if (key < '0' || key > '9') {
        key = kRefused;
        return;
    }
    QString after = placesBox_->text();
    if (placesBox_->hasSelectedText()) {
        after.replace(placesBox_->selectionStart(), placesBox_->selectedText().length(), QChar(key));
    } else {
        after.insert(placesBox_->cursorPosition(), QChar(key));
    }
    const bool allDigits = std::all_of(after.cbegin(), after.cend(),
                                       [](QChar ch) { return ch >= QLatin1Char('0') && ch <= QLatin1Char('9'); });
    if (!allDigits || !decimal_places(after.toStdString())) key = kRefused;
}

RunTimeError ConverterWindow::notationPicked(Notation chosen) {
    RunTimeError failure = go();
    const bool decimal = chosen == Notation::decimal;
    placesBox_->setVisible(decimal);
    placesSpin_->setVisible(decimal);
    return failure;
}

void ConverterWindow::placesStepped() {
    showAnswer();
    focusValueBox();
}

// The box's change from a step belongs to this action: its handler runs here,
// with the box's own change signal held back, so that its failure is the
// action's and the action reports it once.
RunTimeError ConverterWindow::stepPlaces(int steps) {
    FirstFailure failure;
    const int direction = steps > 0 ? 1 : -1;
    for (int i = 0; i < std::abs(steps); ++i) {
        bool changed = false;
        {
            const QSignalBlocker quiet(placesBox_);
            changed = placesSpin_->step(direction);
        }
        if (changed) failure += placesChanged();
        placesStepped();
    }
    return failure.first();
}

void ConverterWindow::quitClicked() {
    close();
    QCoreApplication::quit();
}

RunTimeError ConverterWindow::swapClicked() {
    RunTimeError failure = swapUnits();
    focusValueBox();
    return failure;
}

// The target list is changed first, from the source list's unchanged
// selection, then the source list from the saved target position; each unit
// is selected by its text and then by its position.
RunTimeError ConverterWindow::swapUnits() {
    const Index t = listIndex(targetList_);
    FirstFailure failure;
    failure += selectByText(targetList_, sourceList_->itemText(sourceList_->currentIndex()));
    failure += selectByIndex(targetList_, sourceList_->currentIndex());
    failure += selectByText(sourceList_, targetList_->itemText(t));
    failure += selectByIndex(sourceList_, t);
    return failure.first();
}

void ConverterWindow::copyResult() {
    const QString shown = resultLabel_->text();
    if (shown.isEmpty()) return;
    QGuiApplication::clipboard()->setText(shown);
    copySign_->showCopied();
    announcer_->setSubject(fromCore(heard_copy(shown.toStdString())));
}

// What the screen reader hears of the user's action besides its result.
void ConverterWindow::announcePick(List list) { announcer_->setSubject(fromCore(heard_pick(list, pick()))); }

// A button that kept the focus is read by the screen reader itself; one
// that lost it to the value box is not.
void ConverterWindow::announceNotation(const QRadioButton* button) {
    if (focusWidget() != button) {
        announcer_->setSubject(
            fromCore(heard_notation(button == decimalButton_ ? Notation::decimal : Notation::scientific)));
    }
}

// Said before the swap: the units as they will be afterwards.
void ConverterWindow::announceSwap() { announcer_->setSubject(fromCore(heard_pair(pick().swapped()))); }

}  // namespace metrova::ui
