// A single-line text box with the two hooks the window's handlers need:
//   - a key filter that sees each typed character's code (key_code.h) before
//     the box inserts it and may set it to 0 to refuse the key;
//   - a got-focus handler, run whenever the focus moves into the box: by
//     Tab, Shift+Tab, a click, a shortcut, or a screen reader. When the
//     window moves the focus there (moveFocusHere) it runs the handler
//     itself. A focus that only comes back, when the window is activated
//     again or a popup, menu or message box closes, runs nothing.
// A click that brings the focus into the box keeps the selection that the
// got-focus handler made instead of placing the caret; later clicks place it.
// Input methods and drops are off: text reaches the box by typing through
// the filter, or by pasting.
// Its context menu (the Menu key, Shift+F10, a right click) starts with the
// window's own entries (setMenuActions), then Qt's standard ones. A box with
// a key filter names no shortcut beside those: each is a Ctrl+letter key,
// which the box hands to its filter as a control character.
#pragma once

#include <QLineEdit>
#include <QList>

#include <functional>

namespace metrova::ui {

class TextBox : public QLineEdit {
    Q_OBJECT

public:
    using KeyFilter = std::function<void(int& key)>;
    using GotFocus = std::function<void()>;

    explicit TextBox(QWidget* parent);

    void setKeyFilter(KeyFilter filter) { keyFilter_ = std::move(filter); }
    void setGotFocusHandler(GotFocus handler) { gotFocus_ = std::move(handler); }
    void setMenuActions(QList<QAction*> actions) { menuActions_ = std::move(actions); }

    // Takes the focus without running the got-focus handler.
    void moveFocusHere();

    // Where the character at `offset` is drawn, in the box's coordinates.
    [[nodiscard]] QRect characterRect(int offset) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    KeyFilter keyFilter_;
    GotFocus gotFocus_;
    QList<QAction*> menuActions_;
    bool keepSelectionOnPress_ = false;
    bool pressKeptSelection_ = false;
    bool movingFocusHere_ = false;
};

}  // namespace metrova::ui
