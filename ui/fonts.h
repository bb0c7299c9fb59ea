// The window's faces, Century and Times New Roman, do not ship with Linux.
// Free faces of the same design and metrics stand in for them: C059 for
// Century and Liberation Serif for Times New Roman (Debian packages
// fonts-urw-base35 and fonts-liberation). Without this mapping "Century"
// falls back to a sans-serif face.
#pragma once

namespace metrova::ui {

// Once, before the window is made.
void install_font_substitutions();

}  // namespace metrova::ui
