// What screen readers are told beyond Qt's own accessibility: the
// announcer's notice (announcer.h), where there is one, is an object of role
// notification named by its last announcement, and the value boxes
// (text_box.h) tell their text as one run of attributes. Every other control
// is served by Qt's own interfaces, named in converter_window_layout.cpp.
#pragma once

namespace metrova::ui {

// Once, before the window is made.
void installAccessibility();

}  // namespace metrova::ui
