// Screen-reader names for the lists. On Linux, Qt names a drop-down list by
// its current entry and leaves the list's own name to a label relation; the
// window's lists have no labels beside them, so a list that was given an
// accessible name is named by it here, its current entry being its value.
#pragma once

namespace metrova::ui {

// Once, before the window is made.
void install_accessibility();

}  // namespace metrova::ui
