#include "text_box.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "key_code.h"

namespace metrova::ui {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    // Shift+F10 opens the menu as the Menu key does, which is all Qt maps.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QPoint at = cursorRect().center();
        QContextMenuEvent open(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
        QCoreApplication::sendEvent(this, &open);
        event->accept();
        return;
    }
    const int code = characterCode(*event);
    if (code == kNotACharacter || !keyFilter_) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Codes beyond one byte are refused before any filter sees them.
    int key = code <= 255 ? code : kRefused;
    if (key != kRefused) keyFilter_(key);
    // A single-line box inserts nothing for Enter, Escape or another control
    // character; Backspace and printable characters go to the box as typed.
    if (key == kBackspace || key >= ' ') {
        QLineEdit::keyPressEvent(event);
    } else {
        event->accept();
    }
}

void TextBox::moveFocusHere() {
    movingFocusHere_ = true;
    setFocus(Qt::OtherFocusReason);
    movingFocusHere_ = false;
}

// Measured from the caret, which Qt places, so that scrolling and margins
// are taken into account.
QRect TextBox::characterRect(int offset) const {
    const QString shown = displayText();
    const QFontMetrics metrics = fontMetrics();
    const QRect caret = cursorRect();
    const int x = caret.center().x() + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(cursorPosition()));
    return {x, caret.top(), metrics.horizontalAdvance(shown.mid(offset, 1)), caret.height()};
}

// A screen reader's grabFocus arrives as Qt::OtherFocusReason and counts like
// Tab; a focus given back on re-activation or by a closing popup does not.
void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    const bool givenBack = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    keepSelectionOnPress_ = reason == Qt::MouseFocusReason;
    if (!givenBack && !movingFocusHere_ && gotFocus_) gotFocus_();
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    if (keepSelectionOnPress_ && event->button() == Qt::LeftButton) {
        keepSelectionOnPress_ = false;
        pressKeptSelection_ = true;
        event->accept();
        return;
    }
    keepSelectionOnPress_ = false;
    QLineEdit::mousePressEvent(event);
}

void TextBox::mouseMoveEvent(QMouseEvent* event) {
    if (pressKeptSelection_) {
        event->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    if (pressKeptSelection_) {
        pressKeptSelection_ = false;
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    pressKeptSelection_ = false;
    QLineEdit::mouseDoubleClickEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    if (keyFilter_) {
        for (QAction* entry : menu->actions()) {
            const qsizetype tab = entry->text().indexOf(QLatin1Char('\t'));
            if (tab >= 0) entry->setText(entry->text().left(tab));
        }
    }
    if (!menuActions_.isEmpty()) {
        QAction* first = menu->actions().value(0);
        menu->insertActions(first, menuActions_);
        menu->insertSeparator(first);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

}  // namespace metrova::ui
