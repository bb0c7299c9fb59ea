// Form1's event handlers, in the order of a run: start-up, the GO action and
// its display, selection, value entry, precision and notation, swap and quit,
// and what a screen reader hears of an action besides its result.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolTip>

#include <algorithm>
#include <cstdlib>

#include "announcer.h"
#include "convert.h"
#include "copy_sign.h"
#include "display.h"
#include "explain.h"
#include "first_failure.h"
#include "form1.h"
#include "number_format.h"
#include "number_parser.h"
#include "result_label.h"
#include "text_box.h"
#include "up_down.h"

namespace metrova::ui {
namespace {

QString label_text(std::string_view label) {
    return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
}

// Appending never makes an entry current, unlike QComboBox's own rule for
// the first item.
void add_item(QComboBox* list, std::string_view label) {
    const QSignalBlocker quiet(list);
    const int current = list->currentIndex();
    list->addItem(label_text(label));
    list->setCurrentIndex(current);
}

void clear_list(QComboBox* list) {
    const QSignalBlocker quiet(list);
    list->clear();
}

Index list_index(const QComboBox* list) { return static_cast<Index>(list->currentIndex()); }

QString from_core(const std::string& text) { return QString::fromStdString(text); }

// A tooltip's frame and margins, on each side.
constexpr int kTipMargin = 16;

// Each line of `text` broken into lines that fit the width of the screen
// that `widget` is on, after a blank where the line has one, else anywhere:
// a long digit string is shown whole, over several lines.
QString wrapped_to_screen(const QString& text, const QWidget* widget) {
    const QFontMetrics metrics(QToolTip::font());
    const int room = widget->screen()->availableGeometry().width() - 2 * kTipMargin;
    QStringList lines;
    for (QString rest : text.split(QLatin1Char('\n'))) {
        while (metrics.horizontalAdvance(rest) > room) {
            qsizetype cut = 1;
            while (cut < rest.size() && metrics.horizontalAdvance(rest.left(cut + 1)) <= room) ++cut;
            const qsizetype blank = rest.lastIndexOf(QLatin1Char(' '), cut - 1);
            if (blank > 0) cut = blank + 1;
            lines << rest.left(cut);
            rest = rest.mid(cut);
        }
        lines << rest;
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

void Form1::Form_Load() {
    for (QComboBox* list : Combo1) {
        for (const std::string_view label : unit_labels(category::optics)) add_item(list, label);
    }
    FirstFailure failure;
    failure += selectByText(Combo1[0], Combo1[0]->itemText(0));
    failure += selectByText(Combo1[1], Combo1[1]->itemText(1));
    for (Index c = 0; c < category_count(); ++c) add_item(Combo2, category_label(c));
    failure += selectByText(Combo2, Combo2->itemText(0));
    Old_combo2_index = list_index(Combo2);
    showWindow();
    activateWindow();
    Text1_SetFocus();
    report(failure.first());
}

RunTimeError Form1::Image1_Click() {
    if (Text1->text().isEmpty()) {
        setResult(QString());
        return {};
    }
    const ParsedNumber v = parse_number(Text1->text().toStdString());
    if (v.overflow) return number_too_large();
    const Index category = list_index(Combo2);
    const Index source = list_index(Combo1[0]);
    const Index target = list_index(Combo1[1]);
    const Conversion result = convert(category, source, target, v.value);
    if (result.corrected) Text1->setText(QString::fromStdString(number_to_text(*result.corrected)));
    switch (result.outcome) {
        case Conversion::Outcome::failed:
            return run_time_error(category, source, target, result.corrected.value_or(v.value), result.failure);
        case Conversion::Outcome::identity:
        case Conversion::Outcome::stored:
            Answer = result.value;
            answerExplanation_ = explain(category, source, target, v.value, result);
            break;
        case Conversion::Outcome::unmatched: break;
    }
    Display();
    Text1_SetFocus();
    return {};
}

void Form1::Display() {
    const Notation notation = Option1[0]->isChecked() ? Notation::decimal : Notation::scientific;
    const auto text = metrova::render(Answer, notation, Text2->text().toStdString());
    if (text) setResult(QString::fromStdString(*text));
}

// The label renders Answer, so what is heard and the tooltip tell Answer's
// own unit and story, whichever unit the lists show now. Every result written
// is announced, also one with the text the label had.
// A text cut at its end is not offered for a mouse selection, which would
// select what cannot be seen.
void Form1::setResult(const QString& text) {
    copySign_->hide();
    Label1->setText(text);
    const Fit fit = Label1->fits(text) ? Fit::whole : Fit::cut;
    Label1->setTextInteractionFlags(fit == Fit::whole ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    Label1->setFocusPolicy(Qt::NoFocus);
    for (QAction* copy : {copyResult_, copyShown_}) copy->setEnabled(!text.isEmpty());
    if (text.isEmpty()) {
        Label1->setToolTip(QString());
        return;
    }
    const std::string shown = text.toStdString();
    announcer_->setResult(from_core(heard_result(shown, answerExplanation_)));
    Label1->setToolTip(wrapped_to_screen(from_core(tooltip(shown, fit, answerExplanation_)), Label1));
}

void Form1::Text1_SetFocus() {
    const bool elsewhere = focusWidget() != Text1;
    Text1->moveFocusHere();
    if (elsewhere) Text1_GotFocus();
}

void Form1::showWindow() {
    if (!isVisible()) show();
}

RunTimeError Form1::selectByText(QComboBox* list, const QString& text) {
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return index < 0 ? RunTimeError{} : selectByIndex(list, index);
}

RunTimeError Form1::selectByIndex(QComboBox* list, int index) {
    {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(index);
    }
    return pickNotification(list);
}

RunTimeError Form1::pickNotification(QComboBox* list) {
    if (list == Combo2) return Combo2_Click();
    return Combo1_Click(list == Combo1[0] ? 0 : 1);
}

RunTimeError Form1::Combo2_Click() {
    FirstFailure failure;
    const Index c = list_index(Combo2);
    if (c != Old_combo2_index) {
        clear_list(Combo1[0]);
        clear_list(Combo1[1]);
        Old_combo2_index = c;
        const auto labels = unit_labels(c);
        if (!labels.empty()) {
            for (QComboBox* list : Combo1) {
                for (const std::string_view label : labels) add_item(list, label);
            }
            failure += selectByIndex(Combo1[0], 0);
            failure += selectByIndex(Combo1[1], 1);
        }
    }
    showWindow();
    Text1_SetFocus();
    return failure.first();
}

RunTimeError Form1::Combo1_Click(int /*index*/) {
    showWindow();
    Text1_SetFocus();
    return Image1_Click();
}

void Form1::Text1_GotFocus() {
    Text1->setSelection(0, static_cast<int>(Text1->text().length()));
    Initial_value = Text1->text();
}

RunTimeError Form1::Text1_KeyPress(int& keyAscii) {
    const QString text = Text1->text();
    if (keyAscii >= '0' && keyAscii <= '9') return {};
    if (keyAscii == 8) return {};
    if (keyAscii == '.') {
        if (text.contains(QLatin1Char('.'))) keyAscii = 0;
        return {};
    }
    if (keyAscii == '-') return {};
    if (keyAscii == 27) {
        Text1->setText(Initial_value);
        Text1_GotFocus();
        return {};
    }
    if (keyAscii == 13) {
        RunTimeError failure = Image1_Click();
        Text1_GotFocus();
        return failure;
    }
    if (keyAscii == 'E' || keyAscii == 'e') {
        if (text.contains(QLatin1Char('E')) || text.contains(QLatin1Char('e'))) keyAscii = 0;
        return {};
    }
    keyAscii = 0;
    return {};
}

RunTimeError Form1::Text2_Change() { return Image1_Click(); }

void Form1::Text2_GotFocus() { Text2->setSelection(0, static_cast<int>(Text2->text().length())); }

// Digits are accepted while the text they would make is all digits and names
// a number of places that the display can show; Backspace always; every
// other key is refused.
void Form1::Text2_KeyPress(int& keyAscii) {
    if (keyAscii == 8) return;
    if (keyAscii < '0' || keyAscii > '9') {
        keyAscii = 0;
        return;
    }
    QString after = Text2->text();
    if (Text2->hasSelectedText()) {
        after.replace(Text2->selectionStart(), Text2->selectedText().length(), QChar(keyAscii));
    } else {
        after.insert(Text2->cursorPosition(), QChar(keyAscii));
    }
    const bool all_digits = std::all_of(after.cbegin(), after.cend(),
                                        [](QChar ch) { return ch >= QLatin1Char('0') && ch <= QLatin1Char('9'); });
    if (!all_digits || !decimal_places(after.toStdString())) keyAscii = 0;
}

RunTimeError Form1::Option1_Click(int index) {
    RunTimeError failure = Image1_Click();
    if (index == 0) {
        Text2->setVisible(true);
        UpDown1->setVisible(true);
    } else if (index == 1) {
        Text2->setVisible(false);
        UpDown1->setVisible(false);
    }
    return failure;
}

// Either arrow re-renders the stored Answer without converting.
void Form1::UpDown1_UpClick() {
    Display();
    Text1_SetFocus();
}

void Form1::UpDown1_DownClick() { UpDown1_UpClick(); }

// The box's change from a step belongs to this action: its handler runs here,
// with the box's own change signal held back, so that its failure is the
// action's and the action reports it once.
RunTimeError Form1::stepPlaces(int steps) {
    FirstFailure failure;
    const int direction = steps > 0 ? 1 : -1;
    for (int i = 0; i < std::abs(steps); ++i) {
        bool changed = false;
        {
            const QSignalBlocker quiet(Text2);
            changed = UpDown1->step(direction);
        }
        if (changed) failure += Text2_Change();
        if (direction > 0) {
            UpDown1_UpClick();
        } else {
            UpDown1_DownClick();
        }
    }
    return failure.first();
}

RunTimeError Form1::Command1_Click(int index) {
    if (index == 1) {
        close();
        QCoreApplication::quit();
        return {};
    }
    RunTimeError failure = index == 0 ? Swap() : RunTimeError{};
    Text1_SetFocus();
    return failure;
}

// The target list is changed first, from the source list's unchanged
// selection, then the source list from the saved target position; each unit
// is selected by its text and then by its position.
RunTimeError Form1::Swap() {
    const Index t = list_index(Combo1[1]);
    FirstFailure failure;
    failure += selectByText(Combo1[1], Combo1[0]->itemText(Combo1[0]->currentIndex()));
    failure += selectByIndex(Combo1[1], Combo1[0]->currentIndex());
    failure += selectByText(Combo1[0], Combo1[1]->itemText(t));
    failure += selectByIndex(Combo1[0], t);
    return failure.first();
}

void Form1::copyResult() {
    const QString shown = Label1->text();
    if (shown.isEmpty()) return;
    QGuiApplication::clipboard()->setText(shown);
    copySign_->showCopied();
    announcer_->setSubject(from_core(heard_copy(shown.toStdString())));
}

// What the screen reader hears of the user's action besides its result.
void Form1::announcePick(List list) {
    announcer_->setSubject(
        from_core(heard_pick(list, list_index(Combo2), list_index(Combo1[0]), list_index(Combo1[1]))));
}

// A button that kept the focus is read by the screen reader itself; one
// that lost it to the value box is not.
void Form1::announceNotation(const QRadioButton* button) {
    if (focusWidget() != button) {
        announcer_->setSubject(
            from_core(heard_notation(button == Option1[0] ? Notation::decimal : Notation::scientific)));
    }
}

// Said before the swap: the units as they will be afterwards.
void Form1::announceSwap() {
    announcer_->setSubject(from_core(heard_pair(list_index(Combo2), list_index(Combo1[1]), list_index(Combo1[0]))));
}

}  // namespace metrova::ui
