#include "key_code.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace metrova::ui {
namespace {

TEST(KeyCode, DecidedByTheKeyNotByTheText) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char16_t* text;
        int code;
    } cases[] = {
        {Qt::Key_Backspace, Qt::NoModifier, u"\b", 8},
        {Qt::Key_Backspace, Qt::NoModifier, u"", 8},
        {Qt::Key_Return, Qt::NoModifier, u"\r", 13},
        {Qt::Key_Enter, Qt::KeypadModifier, u"", 13},
        {Qt::Key_Escape, Qt::NoModifier, u"", 27},
        {Qt::Key_Escape, Qt::NoModifier, u"\x1b", 27},
        {Qt::Key_C, Qt::ControlModifier, u"\x03", 3},
        {Qt::Key_V, Qt::ControlModifier, u"v", 22},
        {Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier, u"", 24},
        {Qt::Key_Z, Qt::ControlModifier, u"", 26},
        {Qt::Key_1, Qt::ControlModifier, u"1", 0},
        {Qt::Key_5, Qt::NoModifier, u"5", 53},
        {Qt::Key_5, Qt::KeypadModifier, u"5", 53},
        {Qt::Key_E, Qt::NoModifier, u"e", 101},
        {Qt::Key_E, Qt::ShiftModifier, u"E", 69},
        {Qt::Key_Minus, Qt::NoModifier, u"-", 45},
        {Qt::Key_Space, Qt::NoModifier, u" ", 32},
        {Qt::Key_Eacute, Qt::NoModifier, u"\u00e9", 233},
        {0, Qt::NoModifier, u"\u20ac", 8364},
        {Qt::Key_Tab, Qt::NoModifier, u"\t", kNotACharacter},
        {Qt::Key_Backtab, Qt::ShiftModifier, u"", kNotACharacter},
        {Qt::Key_Delete, Qt::NoModifier, u"\x7f", kNotACharacter},
        {Qt::Key_Insert, Qt::ShiftModifier, u"", kNotACharacter},
        {Qt::Key_Left, Qt::ControlModifier, u"", kNotACharacter},
        {Qt::Key_Home, Qt::NoModifier, u"", kNotACharacter},
        {Qt::Key_F5, Qt::NoModifier, u"", kNotACharacter},
        {Qt::Key_Shift, Qt::ShiftModifier, u"", kNotACharacter},
        {Qt::Key_VolumeUp, Qt::NoModifier, u"", kNotACharacter},
    };
    for (const auto& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromUtf16(c.text));
        EXPECT_EQ(characterCode(event), c.code) << "key " << std::hex << c.key;
    }
}

}  // namespace
}  // namespace metrova::ui
