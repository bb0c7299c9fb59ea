// What the window looks like on any screen: its faces are Century and Times
// New Roman or their stand-ins (never a fallback sans-serif), the GO picture
// is drawn pixel for pixel from the copy made for the screen's scale, and
// the icon has a drawn copy at every size it is asked for.
#include <QFontInfo>
#include <QImage>

#include "driver.h"

namespace metrova::ui::test {
namespace {

TEST(Look, FacesAreTheirOwnOrTheirStandIns) {
    Window w;
    const QStringList century{"Century", "C059", "Century Schoolbook L", "TeX Gyre Schola"};
    const QStringList times{"Times New Roman", "Liberation Serif", "Tinos", "Nimbus Roman"};
    const struct {
        QWidget* control;
        const QStringList& faces;
    } rows[] = {{w.value(), century},
                {w.result(), century},
                {w.places(), century},
                {w.decimal(), century},
                {w.category(), times},
                {w.swap(), times},
                {w.find<QLabel>("selectInstruction"), times}};
    for (const auto& row : rows) {
        // fontconfig may add the foundry: "C059 [UKWN]"
        const QString family = QFontInfo(row.control->font()).family().section(QStringLiteral(" ["), 0, 0);
        EXPECT_TRUE(row.faces.contains(family))
            << row.control->objectName().toStdString() << " is drawn in " << family.toStdString();
    }
}

// The window's scale is the screen's, or QT_SCALE_FACTOR's: CTest runs this
// test once more at 125 %, 150 %, 200 % and 300 % (tests/ui/CMakeLists.txt).
TEST(Look, GoIsDrawnPixelForPixel) {
    Window w;
    ASSERT_EQ(w.go()->size(), QSize(70, 79));
    const int scale = qRound(w.go()->devicePixelRatioF() * 100);
    const QImage drawn = w.go()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage made = QImage(QStringLiteral(":/metrova/go-%1.png").arg(scale)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(made.isNull()) << "no copy for " << scale << " %";
    // The place's last row may be a half row, cut at the edge.
    const int rows = std::min(drawn.height(), made.height()) - 1;
    ASSERT_GE(rows, made.height() - 2) << "drawn " << drawn.height() << " rows high at " << scale << " %";
    int differing = 0;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < made.width(); ++x) differing += drawn.pixel(x, y) != made.pixel(x, y) ? 1 : 0;
    }
    EXPECT_EQ(differing, 0) << "pixels that differ from go-" << scale << ".png";
}

TEST(Look, BetweenScalesTheNextLargerCopyIsUsed) {
    Window w;
    const struct {
        qreal ratio;
        qreal expected;
    } rows[] = {{1.0, 1.0}, {1.1, 1.25}, {1.25, 1.25}, {1.5, 1.5}, {2.0, 2.0}, {2.4, 2.5}, {3.0, 3.0}, {4.0, 3.0}};
    for (const auto& row : rows) {
        EXPECT_EQ(w.go()->pictureFor(row.ratio).devicePixelRatio(), row.expected) << row.ratio;
    }
}

TEST(Look, TheIconHasADrawnCopyAtEverySize) {
    Window w;
    const QIcon icon = w.window().windowIcon();
    for (const int size : {16, 20, 24, 32, 40, 48, 64, 128}) {
        const QImage drawn = icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage made =
            QImage(QStringLiteral(":/metrova/icon-%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(made.isNull()) << size;
        EXPECT_EQ(drawn, made) << "the icon at " << size << " pixels is not icon-" << size << ".png";
    }
}

}  // namespace
}  // namespace metrova::ui::test
