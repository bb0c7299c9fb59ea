// The character code of a key press, as the value boxes' key filters see it
// before the box inserts anything. Decided by the Qt::Key (the event's text
// differs between the X server and synthesised events), with the text only
// for the printable character itself:
//   Backspace -> 8, Return and keypad Enter -> 13, Escape -> 27,
//   Ctrl+A ... Ctrl+Z -> 1 ... 26 (so Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z are 3, 22, 24, 26),
//   '5' -> 53, 'e' -> 101, '-' -> 45, ' ' -> 32, 'é' -> 233, '€' -> 8364.
// Keys that are no characters (Tab, Delete, arrows, Home, End, Insert,
// function keys, modifiers, and any other key without text) give
// kNotACharacter and reach the box untouched, so Shift+Insert still pastes.
// Ctrl with anything but a letter gives 0, a refused key.
#pragma once

class QKeyEvent;

namespace metrova::ui {

inline constexpr int kNotACharacter = -1;
// The control characters that the key filters act on.
inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
// A key filter refuses a key by setting its code to this.
inline constexpr int kRefused = 0;

int characterCode(const QKeyEvent& event);

}  // namespace metrova::ui
