#include "key_code.h"

#include <QKeyEvent>

namespace metrova::ui {
namespace {

bool isEditingOrNavigation(int key) {
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
        case Qt::Key_Insert:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_ScrollLock:
        case Qt::Key_Menu:
        case Qt::Key_Clear:
        case Qt::Key_Print:
        case Qt::Key_SysReq:
        case Qt::Key_Pause: return true;
        default: return key >= Qt::Key_F1 && key <= Qt::Key_F35;
    }
}

}  // namespace

int characterCode(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
        case Qt::Key_Backspace: return kBackspace;
        case Qt::Key_Return:
        case Qt::Key_Enter: return kEnter;
        case Qt::Key_Escape: return kEscape;
        default: break;
    }
    if (isEditingOrNavigation(key)) return kNotACharacter;
    if (event.modifiers().testFlag(Qt::ControlModifier)) {
        return key >= Qt::Key_A && key <= Qt::Key_Z ? key - Qt::Key_A + 1 : kRefused;
    }
    const QString text = event.text();
    if (text.isEmpty()) return kNotACharacter;
    return static_cast<int>(text.toUcs4().value(0));
}

}  // namespace metrova::ui
