// The window's faces, Century and Times New Roman, do not ship with Linux,
// and Windows has Times New Roman but no Century of its own. Free faces of
// the same design and metrics stand in for them: C059 or TeX Gyre Schola
// for Century and Liberation Serif for Times New Roman (Debian packages
// fonts-urw-base35 and fonts-liberation). The Windows build carries TeX Gyre
// Schola itself (the resource folder :/metrova/fonts). Without this mapping
// "Century" falls back to a sans-serif face.
#pragma once

namespace metrova::ui {

// Once, before the window is made.
void installFontSubstitutions();

}  // namespace metrova::ui
