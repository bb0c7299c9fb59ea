#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "announcer.h"
#include "text_box.h"

namespace metrova::ui {
namespace {

class NoticeInterface : public QAccessibleWidget {
public:
    explicit NoticeInterface(Notice* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}

    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<const Notice*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// A value box as an editable single line of text. Qt's own interface for a
// line edit answers every offset with an empty run of text attributes
// (start = end = offset); a screen reader that joins the runs to find the
// extent of a line then reads it one character short ("1234" for 12345,
// nothing for 2). A box has no attributes of its own: one run, the whole
// text.
class TextBoxInterface : public QAccessibleWidget,
                         public QAccessibleTextInterface,
                         public QAccessibleEditableTextInterface {
public:
    explicit TextBoxInterface(TextBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    [[nodiscard]] QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value) {
            box()->setText(text);
        } else {
            QAccessibleWidget::setText(t, text);
        }
    }

    // The text.
    [[nodiscard]] QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
    [[nodiscard]] int characterCount() const override { return static_cast<int>(box()->text().size()); }
    [[nodiscard]] QString attributes(int /*offset*/, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // The caret and the selection (a line edit has at most one).
    [[nodiscard]] int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    [[nodiscard]] int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !box()->hasSelectedText()) return;
        *start = box()->selectionStart();
        *end = box()->selectionEnd();
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void setSelection(int index, int start, int end) override {
        if (index == 0) box()->setSelection(start, end - start);
    }
    void removeSelection(int index) override {
        if (index == 0) box()->deselect();
    }

    // Where the characters are on the screen.
    [[nodiscard]] QRect characterRect(int offset) const override {
        const QRect rect = box()->characterRect(offset);
        return {box()->mapToGlobal(rect.topLeft()), rect.size()};
    }
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override {
        const QPoint at = box()->mapFromGlobal(point);
        return box()->rect().contains(at) ? box()->cursorPositionAt(at) : -1;
    }
    void scrollToSubstring(int start, int /*end*/) override { box()->setCursorPosition(start); }

    // Edits by assistive technology, as a paste would make them.
    void deleteText(int start, int end) override { box()->setText(box()->text().remove(start, end - start)); }
    void insertText(int offset, const QString& text) override {
        box()->setText(box()->text().insert(offset, text));
        box()->setCursorPosition(static_cast<int>(offset + text.size()));
    }
    void replaceText(int start, int end, const QString& text) override {
        box()->setText(box()->text().replace(start, end - start, text));
        box()->setCursorPosition(static_cast<int>(start + text.size()));
    }

private:
    [[nodiscard]] TextBox* box() const { return static_cast<TextBox*>(widget()); }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String(Notice::staticMetaObject.className())) {
        if (auto* notice = qobject_cast<Notice*>(object)) return new NoticeInterface(notice);
    }
    if (className == QLatin1String(TextBox::staticMetaObject.className())) {
        if (auto* box = qobject_cast<TextBox*>(object)) return new TextBoxInterface(box);
    }
    return nullptr;
}

}  // namespace

void installAccessibility() { QAccessible::installFactory(factory); }

}  // namespace metrova::ui
