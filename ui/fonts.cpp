#include "fonts.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace metrova::ui {

void installFontSubstitutions() {
    const QDir carried(QStringLiteral(":/metrova/fonts"));
    for (const QString& file : carried.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(carried.filePath(file));
    QFont::insertSubstitutions(
        QStringLiteral("Century"),
        {QStringLiteral("C059"), QStringLiteral("Century Schoolbook L"), QStringLiteral("TeX Gyre Schola")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"), QStringLiteral("Nimbus Roman")});
}

}  // namespace metrova::ui
