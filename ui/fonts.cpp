#include "fonts.h"

#include <QFont>
#include <QStringList>

namespace metrova::ui {

void install_font_substitutions() {
    QFont::insertSubstitutions(
        QStringLiteral("Century"),
        {QStringLiteral("C059"), QStringLiteral("Century Schoolbook L"), QStringLiteral("TeX Gyre Schola")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"), QStringLiteral("Nimbus Roman")});
}

}  // namespace metrova::ui
